// quarrik-pack: builds and inspects the game's data archive.
//
//   quarrik-pack pack DIR [DIR...] OUT   every file under each DIR becomes a member named by its
//                                        path relative to that DIR, with '/' separators; a later
//                                        DIR's file replaces an earlier one of the same name
//   quarrik-pack list ARCHIVE            name, size and flag of every member, tab-separated
//   quarrik-pack cat ARCHIVE MEMBER      the member's unscrambled bytes on stdout
//
// Members are written in byte-wise name order so the same input gives the same archive.
// Text members (names ending in ".txt" or ".spr": parameter files, layout, levels, help text,
// sprite files) are stored scrambled; images and everything else are stored plain. Files and
// folders whose names start with '.' are left out.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "tools/tool_args.h"

namespace fs = std::filesystem;

namespace {

constexpr char kUsage[] =
    "usage: quarrik-pack pack DIR [DIR...] OUT\n"
    "       quarrik-pack list ARCHIVE\n"
    "       quarrik-pack cat ARCHIVE MEMBER\n";

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool stored_scrambled(const std::string& name) {
    return ends_with(name, ".txt") || ends_with(name, ".spr");
}

bool hidden(const fs::path& relative) {
    for (const auto& part : relative) {
        std::string s = part.string();
        if (!s.empty() && s[0] == '.') {
            return true;
        }
    }
    return false;
}

// Collects member name -> disk path for one folder, over what earlier folders gave.
bool collect(const std::string& dir, std::map<std::string, std::string>& files) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        std::fprintf(stderr, "quarrik-pack: not a folder: %s\n", dir.c_str());
        return false;
    }
    fs::recursive_directory_iterator it(dir, fs::directory_options::follow_directory_symlink, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::path relative = it->path().lexically_relative(dir);
        if (hidden(relative)) {
            if (it->is_directory(ec)) {
                it.disable_recursion_pending();
            }
            continue;
        }
        if (it->is_regular_file(ec)) {
            files[relative.generic_string()] = it->path().string();
        }
    }
    if (ec) {
        std::fprintf(stderr, "quarrik-pack: cannot read %s: %s\n", dir.c_str(),
                     ec.message().c_str());
        return false;
    }
    return true;
}

// words: "pack", the folders, the archive to write.
int pack(const std::vector<std::string>& words) {
    std::map<std::string, std::string> files;
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (!collect(words[i], files)) {
            return 1;
        }
    }
    PackArchive archive;
    archive.set_key(kPackKey);
    for (const auto& [name, path] : files) {
        if (name.size() > PackArchive::kMaxNameLength) {
            std::fprintf(stderr, "quarrik-pack: name longer than %zu bytes: %s\n",
                         PackArchive::kMaxNameLength, name.c_str());
            return 1;
        }
        if (!archive.add_file(path, name, stored_scrambled(name))) {
            std::fprintf(stderr, "quarrik-pack: cannot read %s\n", path.c_str());
            return 1;
        }
    }
    const char* out = words.back().c_str();
    if (!archive.save(out)) {
        std::fprintf(stderr, "quarrik-pack: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

bool open_archive(const char* path, PackArchive& archive) {
    archive.set_key(kPackKey);
    if (!archive.open(path)) {
        std::fprintf(stderr, "quarrik-pack: cannot open archive %s\n", path);
        return false;
    }
    return true;
}

int list(const char* path) {
    PackArchive archive;
    if (!open_archive(path, archive)) {
        return 1;
    }
    for (std::size_t i = 0; i < archive.member_count(); ++i) {
        std::printf("%s\t%u\t%c\n", archive.member_name(i).c_str(), archive.member(i).size,
                    archive.member(i).scrambled);
    }
    return 0;
}

int cat(const char* path, const char* member) {
    PackArchive archive;
    if (!open_archive(path, archive)) {
        return 1;
    }
    // Only members: a loose file of that name is not what the caller asked for.
    if (archive.find(member) < 0) {
        std::fprintf(stderr, "quarrik-pack: no member %s in %s\n", member, path);
        return 1;
    }
    PackEntry entry = archive.read_file(member);
    if (entry.size != archive.member(static_cast<std::size_t>(archive.find(member))).size) {
        std::fprintf(stderr, "quarrik-pack: cannot read %s from %s\n", member, path);
        return 1;
    }
    if (entry.size > 0 && std::fwrite(entry.data.get(), 1, entry.size, stdout) != entry.size) {
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv, kUsage, {});
    if (args.done()) {
        return args.exit_code();
    }
    const std::vector<std::string>& words = args.words();
    const std::string command = words.empty() ? "" : words[0];
    if (command == "pack" && words.size() >= 3) {
        return pack(words);
    }
    if (command == "list" && words.size() == 2) {
        return list(words[1].c_str());
    }
    if (command == "cat" && words.size() == 3) {
        return cat(words[1].c_str(), words[2].c_str());
    }
    return args.refuse();
}
