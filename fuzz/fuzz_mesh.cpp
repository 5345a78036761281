// OBJ meshes read from a file, whole and by group: every face index the mesh keeps points into
// its lists (or is -1).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "gfx/mesh.h"

namespace {

void check(const Mesh& mesh) {
    if (mesh.m_faces.size() != static_cast<std::size_t>(mesh.m_face_count) * 9 ||
        mesh.m_vertices.size() != static_cast<std::size_t>(mesh.m_vertex_count) * 3) {
        __builtin_trap();
    }
    const std::uint32_t limits[3] = {mesh.m_vertex_count, mesh.m_texcoord_count,
                                     mesh.m_normal_count};
    for (std::size_t f = 0; f < mesh.m_faces.size(); ++f) {
        const std::int32_t index = mesh.m_faces[f];
        const std::uint32_t limit = limits[(f % 9) / 3];
        if (index < -1 || (index >= 0 && static_cast<std::uint32_t>(index) >= limit)) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::write_scratch("mesh.obj", data, size);
    Mesh whole;
    whole.read_obj(path);
    check(whole);
    Mesh group;
    group.read_obj_group(path, "body");
    check(group);
    return 0;
}
