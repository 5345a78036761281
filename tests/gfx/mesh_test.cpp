#include <gtest/gtest.h>

#include "gfx/mesh.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::int32_t> face(const Mesh& mesh, int i) {
    return std::vector<std::int32_t>(mesh.m_faces.begin() + i * 9,
                                     mesh.m_faces.begin() + i * 9 + 9);
}

TEST(Mesh, WholeFileWithVerticesOnly) {
    TempDir dir;
    const std::string path = dir.write("tri.obj",
                                       "# comment\n"
                                       "o thing\n"
                                       "v 0 0 0\n"
                                       "v 2 0 -1\n"
                                       "v 0 3 1\n"
                                       "v 1 1 1\n"
                                       "s off\n"
                                       "f 1 2 3\n"
                                       "f 1 3 4 2\n"  // a quad: first three corners
                                       "F 1 2 3\n"    // not a face: keywords are exact
                                       "f 1 2\n");    // unreadable: skipped
    Mesh mesh;
    ASSERT_TRUE(mesh.read_obj(path));
    EXPECT_EQ(4u, mesh.m_vertex_count);
    EXPECT_EQ(2u, mesh.m_face_count);
    EXPECT_FALSE(mesh.m_has_texcoords);
    EXPECT_FALSE(mesh.m_has_normals);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, -1, -1, -1, -1, -1, -1}), face(mesh, 0));
    EXPECT_EQ((std::vector<std::int32_t>{0, 2, 3, -1, -1, -1, -1, -1, -1}), face(mesh, 1));
    EXPECT_EQ((std::vector<std::int32_t>{-1, -1}), mesh.m_face_materials);
    EXPECT_FLOAT_EQ(2.0f, mesh.m_size_x);
    EXPECT_FLOAT_EQ(3.0f, mesh.m_size_y);
    EXPECT_FLOAT_EQ(2.0f, mesh.m_size_z);
}

TEST(Mesh, FaceSyntaxFollowsWhatWasReadAndMaterialsCount) {
    TempDir dir;
    const std::string path = dir.write("full.obj",
                                       "mtllib x.mtl\n"
                                       "g first\n"
                                       "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                       "vn 0 0 1\n"
                                       "f 1//1 2//1 3//1\n"
                                       "vt 0 0\nvt 1 0\nvt 0 1\n"
                                       "usemtl red\n"
                                       "f 1/1/1 2/2/1 3/3/1\n"
                                       "usemtl blue\n"
                                       "g second\n"
                                       "f 3/2/1 2/3/1 1/1/1\n");
    Mesh mesh;
    ASSERT_TRUE(mesh.read_obj(path));
    EXPECT_EQ("second", mesh.m_name);
    EXPECT_TRUE(mesh.m_has_texcoords);
    EXPECT_TRUE(mesh.m_has_normals);
    EXPECT_EQ(3u, mesh.m_texcoord_count);
    ASSERT_EQ(3u, mesh.m_face_count);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, -1, -1, -1, 0, 0, 0}), face(mesh, 0));
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, 0, 1, 2, 0, 0, 0}), face(mesh, 1));
    EXPECT_EQ((std::vector<std::int32_t>{2, 1, 0, 1, 2, 0, 0, 0, 0}), face(mesh, 2));
    EXPECT_EQ((std::vector<std::int32_t>{-1, 0, 1}), mesh.m_face_materials);
}

const char* kTwoGroups =
    "v 9 9 9\n"  // before any group
    "g a\n"
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n"
    "vt 0 0\nvt 1 1\n"
    "vn 0 0 1\n"
    "f 2/1/1 3/2/1 4/2/1\n"
    "g b\n"
    "v 5 5 5\nv 6 5 5\nv 5 7 5\n"
    "vt 0.5 0.5\nvt 0.2 0.2\nvt 0.1 0.9\n"
    "vn 1 0 0\nvn 0 1 0\n"
    "usemtl m\n"
    "f 6/3/2 7/5/3 8/4/2\n"
    "g c\n"
    "v 0 0 0\n";

TEST(Mesh, OneGroupCountsEachListFromItsOwnStart) {
    TempDir dir;
    const std::string path = dir.write("groups.obj", kTwoGroups);
    Mesh mesh;
    ASSERT_TRUE(mesh.read_obj_group(path, "b"));
    EXPECT_EQ("b", mesh.m_name);
    EXPECT_EQ(3u, mesh.m_vertex_count);
    EXPECT_EQ(3u, mesh.m_texcoord_count);
    EXPECT_EQ(2u, mesh.m_normal_count);
    ASSERT_EQ(1u, mesh.m_face_count);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, 0, 2, 1, 0, 1, 0}), face(mesh, 0));
    EXPECT_EQ((std::vector<std::int32_t>{0}), mesh.m_face_materials);
    EXPECT_FLOAT_EQ(1.0f, mesh.m_size_x);
    EXPECT_FLOAT_EQ(2.0f, mesh.m_size_y);
    EXPECT_FLOAT_EQ(0.0f, mesh.m_size_z);

    ASSERT_TRUE(mesh.read_obj_group(path, "a"));
    EXPECT_EQ(4u, mesh.m_vertex_count);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, 0, 1, 1, 0, 0, 0}), face(mesh, 0));
}

TEST(Mesh, MissingGroupEmptiesAndMissingFileKeeps) {
    TempDir dir;
    const std::string path = dir.write("groups.obj", kTwoGroups);
    Mesh mesh;
    ASSERT_TRUE(mesh.read_obj(path));
    EXPECT_EQ("c", mesh.m_name);
    EXPECT_EQ(9u, mesh.m_vertex_count);
    EXPECT_FALSE(mesh.read_obj(dir.path() + "/none.obj"));
    EXPECT_EQ(9u, mesh.m_vertex_count);

    ASSERT_TRUE(mesh.read_obj_group(path, "zz"));
    EXPECT_EQ(0u, mesh.m_vertex_count);
    EXPECT_EQ(0u, mesh.m_face_count);
    EXPECT_FALSE(mesh.m_has_normals);
    EXPECT_TRUE(mesh.m_vertices.empty());
    EXPECT_FLOAT_EQ(0.0f, mesh.m_size_x);
}

TEST(Mesh, OverlongLinesAreCutNotSplit) {
    TempDir dir;
    // The tail past 255 characters must not be read as a line of its own.
    const std::string path =
        dir.write("long.obj", "v 1 2 3" + std::string(300, ' ') + "f 1 1 1\nv 4 5 6\n");
    Mesh mesh;
    ASSERT_TRUE(mesh.read_obj(path));
    EXPECT_EQ(2u, mesh.m_vertex_count);
    EXPECT_EQ(0u, mesh.m_face_count);
}

}  // namespace

TEST(Mesh, FacesPointingOutsideTheListsAreDropped) {
    TempDir dir;
    // Corners past the vertices read so far, before the first one, relative (negative) ones and
    // one so large that counting it from the group start would overflow.
    const std::string path = dir.write("bad.obj",
                                       "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                       "f 1 2 4\n"
                                       "f 0 1 2\n"
                                       "f -1 -2 -3\n"
                                       "f 1 2 3\n"
                                       "g b\n"
                                       "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                       "vn 0 0 1\n"
                                       "f -2147483648//1 5//1 6//1\n"
                                       "f 4//1 5//1 6//2\n"
                                       "f 4//1 5//1 6//1\n");
    Mesh whole;
    ASSERT_TRUE(whole.read_obj(path));
    ASSERT_EQ(2u, whole.m_face_count);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, -1, -1, -1, -1, -1, -1}), face(whole, 0));
    EXPECT_EQ((std::vector<std::int32_t>{3, 4, 5, -1, -1, -1, 0, 0, 0}), face(whole, 1));
    Mesh group;
    ASSERT_TRUE(group.read_obj_group(path, "b"));
    ASSERT_EQ(1u, group.m_face_count);
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2, -1, -1, -1, 0, 0, 0}), face(group, 0));
}
