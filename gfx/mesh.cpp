#include "gfx/mesh.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kMaxLine = 255;

bool starts_with(const std::string& line, const char* prefix) {
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

// The 0-based index of a 1-based OBJ index counted from `offset`, when it falls inside a list of
// `count` entries.
bool local_index(int obj_index, std::int32_t offset, std::int32_t count, std::int32_t& out) {
    const long long index = static_cast<long long>(obj_index) - offset;
    if (index < 0 || index >= count) {
        return false;
    }
    out = static_cast<std::int32_t>(index);
    return true;
}

}  // namespace

struct Mesh::Lists {
    std::vector<float> vertices;
    std::vector<float> texcoords;
    std::vector<float> normals;
    std::vector<std::int32_t> faces;
    std::vector<std::int32_t> materials;

    void clear() {
        vertices.clear();
        texcoords.clear();
        normals.clear();
        faces.clear();
        materials.clear();
    }
    std::int32_t vertex_count() const { return static_cast<std::int32_t>(vertices.size() / 3); }
    std::int32_t texcoord_count() const { return static_cast<std::int32_t>(texcoords.size() / 2); }
    std::int32_t normal_count() const { return static_cast<std::int32_t>(normals.size() / 3); }
};

bool Mesh::read_obj(const std::string& path) {
    return read(path, nullptr);
}

bool Mesh::read_obj_group(const std::string& path, const std::string& group) {
    return read(path, &group);
}

bool Mesh::read(const std::string& path, const std::string* group) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    Lists lists;
    std::string current;
    int material = -1;
    // Each list has its own offset: groups need not have as many texture coordinates or
    // normals as vertices. The whole file counts from OBJ's 1.
    std::int32_t vertex_offset = 1;
    std::int32_t texcoord_offset = 1;
    std::int32_t normal_offset = 1;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > kMaxLine) {
            line.resize(kMaxLine);
        }
        if (starts_with(line, "g ")) {
            char name[kMaxLine + 1] = "";
            std::sscanf(line.c_str(), "g %255s", name);
            if (group) {
                if (current == *group) {
                    break;  // the requested group is complete
                }
                vertex_offset += lists.vertex_count();
                texcoord_offset += lists.texcoord_count();
                normal_offset += lists.normal_count();
                lists.clear();
            }
            current = name;
        } else if (starts_with(line, "v ")) {
            float x = 0.0f, y = 0.0f, z = 0.0f;
            std::sscanf(line.c_str(), "v %f %f %f", &x, &y, &z);
            lists.vertices.insert(lists.vertices.end(), {x, y, z});
        } else if (starts_with(line, "vt ")) {
            float u = 0.0f, v = 0.0f;
            std::sscanf(line.c_str(), "vt %f %f", &u, &v);
            lists.texcoords.insert(lists.texcoords.end(), {u, v});
        } else if (starts_with(line, "vn ")) {
            float x = 0.0f, y = 0.0f, z = 0.0f;
            std::sscanf(line.c_str(), "vn %f %f %f", &x, &y, &z);
            lists.normals.insert(lists.normals.end(), {x, y, z});
        } else if (starts_with(line, "f ")) {
            int v[3] = {0, 0, 0}, t[3] = {0, 0, 0}, n[3] = {0, 0, 0};
            const bool has_t = !lists.texcoords.empty();
            const bool has_n = !lists.normals.empty();
            const char* s = line.c_str();
            bool ok;
            if (has_t && has_n) {
                ok = std::sscanf(s, "f %d/%d/%d %d/%d/%d %d/%d/%d", &v[0], &t[0], &n[0], &v[1],
                                 &t[1], &n[1], &v[2], &t[2], &n[2]) == 9;
            } else if (has_n) {
                ok = std::sscanf(s, "f %d//%d %d//%d %d//%d", &v[0], &n[0], &v[1], &n[1], &v[2],
                                 &n[2]) == 6;
            } else if (has_t) {
                ok = std::sscanf(s, "f %d/%d %d/%d %d/%d", &v[0], &t[0], &v[1], &t[1], &v[2],
                                 &t[2]) == 6;
            } else {
                ok = std::sscanf(s, "f %d %d %d", &v[0], &v[1], &v[2]) == 3;
            }
            if (!ok) {
                continue;  // a face we cannot read would only point at the wrong corners
            }
            // A corner outside the lists read so far (or one so large the subtraction would
            // overflow) would send whoever reads the mesh outside its arrays: drop the face.
            std::int32_t row[9];
            bool inside = true;
            for (int i = 0; i < 3; ++i) {
                inside = inside && local_index(v[i], vertex_offset, lists.vertex_count(), row[i]);
                row[3 + i] = -1;
                row[6 + i] = -1;
                if (has_t) {
                    inside = inside &&
                             local_index(t[i], texcoord_offset, lists.texcoord_count(), row[3 + i]);
                }
                if (has_n) {
                    inside = inside &&
                             local_index(n[i], normal_offset, lists.normal_count(), row[6 + i]);
                }
            }
            if (!inside) {
                continue;
            }
            lists.faces.insert(lists.faces.end(), row, row + 9);
            lists.materials.push_back(material);
        } else if (starts_with(line, "usemtl")) {
            ++material;
        }
    }
    if (group && current != *group) {
        lists.clear();
        build(lists, *group);
        return true;
    }
    build(lists, group ? *group : current);
    return true;
}

void Mesh::build(const Lists& lists, const std::string& name) {
    m_name = name;
    m_vertices = lists.vertices;
    m_vertex_count = static_cast<std::uint32_t>(lists.vertex_count());
    m_has_texcoords = !lists.texcoords.empty();
    m_texcoords = lists.texcoords;
    m_texcoord_count = static_cast<std::uint32_t>(lists.texcoord_count());
    m_has_normals = !lists.normals.empty();
    m_normals = lists.normals;
    m_normal_count = static_cast<std::uint32_t>(lists.normal_count());
    m_faces = lists.faces;
    m_face_materials = lists.materials;
    m_face_count = static_cast<std::uint32_t>(lists.materials.size());

    m_size_x = m_size_y = m_size_z = 0.0f;
    if (m_vertex_count > 0) {
        float lo[3] = {m_vertices[0], m_vertices[1], m_vertices[2]};
        float hi[3] = {lo[0], lo[1], lo[2]};
        for (std::size_t i = 0; i < m_vertices.size(); ++i) {
            lo[i % 3] = std::min(lo[i % 3], m_vertices[i]);
            hi[i % 3] = std::max(hi[i % 3], m_vertices[i]);
        }
        m_size_x = hi[0] - lo[0];
        m_size_y = hi[1] - lo[1];
        m_size_z = hi[2] - lo[2];
    }
}
