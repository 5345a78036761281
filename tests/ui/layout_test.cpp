// Typed reads of the layout file.

#include <gtest/gtest.h>

#include <string>

#include "storage/param_file.h"
#include "ui/layout.h"

namespace {

ParamFile layout_from(const std::string& text) {
    ParamFile layout;
    layout.load_memory(text.data(), text.size(), true);
    return layout;
}

TEST(LayoutTest, AFractionReadsAsFloatOrIsCutForInt) {
    const ParamFile layout =
        layout_from("m_ngd_ok_btnx 12.5\nm_ngd_ok_btny -3.75\nm_od_close_btnx 12.5\n");
    EXPECT_FLOAT_EQ(layout_float(layout, "m_ngd_ok_btnx"), 12.5f);
    EXPECT_EQ(layout_int(layout, "m_od_close_btnx"), 12);
    const LayoutPoint f = layout_point_float(layout, "m_ngd_ok_btn");
    EXPECT_FLOAT_EQ(f.x, 12.5f);
    EXPECT_FLOAT_EQ(f.y, -3.75f);
    const LayoutPoint i = layout_point_int(layout, "m_ngd_ok_btn");
    EXPECT_FLOAT_EQ(i.x, 12.0f);
    EXPECT_FLOAT_EQ(i.y, -3.0f);
}

TEST(LayoutTest, MissingKeysReadAsZero) {
    const ParamFile layout = layout_from("m_nd_x 150\nm_nd_y 200\nm_hd_width abc\n");
    const LayoutRect nd = layout_rect(layout, "m_nd_");
    EXPECT_EQ(nd.x, 150);
    EXPECT_EQ(nd.y, 200);
    EXPECT_EQ(nd.width, 0);
    EXPECT_EQ(nd.height, 0);
    EXPECT_EQ(layout_int(layout, "m_hd_width"), 0);
    EXPECT_FLOAT_EQ(layout_float(layout, "nothing"), 0.0f);
}

}  // namespace
