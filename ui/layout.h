#pragma once

#include <string>

class ParamFile;

// Typed reads of the layout file ("mui/menu.txt"). Every key is optional: a missing one reads
// as 0, which puts a control at its screen's (or dialog's) top-left corner.
int layout_int(const ParamFile& layout, const std::string& key);
float layout_float(const ParamFile& layout, const std::string& key);

// A dialog's rectangle from "<prefix>x", "<prefix>y", "<prefix>width", "<prefix>height", all
// read as int ("m_nd_" gives "m_nd_x" ...).
struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
LayoutRect layout_rect(const ParamFile& layout, const std::string& prefix);

// A control's position from "<name>x" and "<name>y".
struct LayoutPoint {
    float x = 0.0f;
    float y = 0.0f;
};
LayoutPoint layout_point_int(const ParamFile& layout, const std::string& name);
LayoutPoint layout_point_float(const ParamFile& layout, const std::string& name);
