#include "ui/layout.h"

#include "storage/param_file.h"

int layout_int(const ParamFile& layout, const std::string& key) {
    return ParamFile::to_int(layout.get(key, "0"));
}

float layout_float(const ParamFile& layout, const std::string& key) {
    return ParamFile::to_float(layout.get(key, "0"));
}

LayoutRect layout_rect(const ParamFile& layout, const std::string& prefix) {
    LayoutRect r;
    r.x = layout_int(layout, prefix + "x");
    r.y = layout_int(layout, prefix + "y");
    r.width = layout_int(layout, prefix + "width");
    r.height = layout_int(layout, prefix + "height");
    return r;
}

LayoutPoint layout_point_int(const ParamFile& layout, const std::string& name) {
    return {static_cast<float>(layout_int(layout, name + "x")),
            static_cast<float>(layout_int(layout, name + "y"))};
}

LayoutPoint layout_point_float(const ParamFile& layout, const std::string& name) {
    return {layout_float(layout, name + "x"), layout_float(layout, name + "y")};
}
