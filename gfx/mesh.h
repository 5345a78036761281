#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A triangle mesh read from a Wavefront OBJ file, kept in flat arrays with its extents.
// Face rows hold nine 0-based indices: three vertices, three texture coordinates, three normals;
// an index the face line does not carry is -1.
class Mesh {
  public:
    // The whole file as one mesh. A missing file leaves the mesh unchanged (returns false).
    bool read_obj(const std::string& path);
    // Only the lines of the named group, indices relative to the group's own lists. A group
    // that is not in the file gives an empty mesh.
    bool read_obj_group(const std::string& path, const std::string& group);

    std::string m_name;
    std::uint32_t m_vertex_count = 0;
    std::uint32_t m_texcoord_count = 0;
    std::uint32_t m_normal_count = 0;
    std::uint32_t m_face_count = 0;
    std::vector<float> m_vertices;   // 3 per vertex
    std::vector<float> m_texcoords;  // 2 per texture coordinate
    bool m_has_texcoords = false;
    std::vector<float> m_normals;  // 3 per normal
    bool m_has_normals = false;
    std::vector<std::int32_t> m_faces;  // 9 per face
    std::vector<std::int32_t> m_face_materials;
    float m_size_x = 0.0f;
    float m_size_y = 0.0f;
    float m_size_z = 0.0f;

  private:
    struct Lists;
    // Reads the file's lines; with `group` null every line counts.
    bool read(const std::string& path, const std::string* group);
    void build(const Lists& lists, const std::string& name);
};
