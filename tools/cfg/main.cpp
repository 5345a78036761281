// quarrik-cfg: shows and edits the files the game writes.
//
//   quarrik-cfg decode [--key KEY] FILE [OUT]   the plain text of a scrambled file
//   quarrik-cfg encode [--key KEY] FILE [OUT]   scrambles a plain text file
//
// The result goes to OUT, else to stdout. The key follows from the game file's name: for
// decode FILE, for encode OUT (else FILE); a trailing ".txt" is ignored, so "dx.cfg.txt"
// encodes with the settings key. "dx.cfg" settings, "save.sav" saved game, "scores1.tab" and
// "scores2.tab" score tables. --key overrides it. The text is passed through byte for byte.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "storage/atomic_file.h"
#include "storage/data_keys.h"
#include "storage/scrambler.h"
#include "tools/tool_args.h"

namespace {

constexpr char kUsage[] =
    "usage: quarrik-cfg decode [--key KEY] FILE [OUT]\n"
    "       quarrik-cfg encode [--key KEY] FILE [OUT]\n"
    "keys by file name: dx.cfg, save.sav, scores1.tab, scores2.tab\n";

const char* key_for(std::string path) {
    std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) {
        name.resize(name.size() - 4);
    }
    if (name == "dx.cfg") {
        return kSettingsKey;
    }
    if (name == "save.sav") {
        return kSavedGameKey;
    }
    if (name == "scores1.tab" || name == "scores2.tab") {
        return kScoreKey;
    }
    return nullptr;
}

bool read_all(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool write_out(const std::string& out, const std::vector<std::uint8_t>& bytes) {
    if (!out.empty()) {
        return write_file_atomically(out, bytes.data(), bytes.size());
    }
    return (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()) &&
           std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv, kUsage, {{"--key", true}});
    if (args.done()) {
        return args.exit_code();
    }
    const std::vector<std::string>& words = args.words();
    if (words.empty() || (words[0] != "decode" && words[0] != "encode")) {
        return args.refuse();
    }
    const bool decode = words[0] == "decode";
    const bool key_given = args.has("--key");
    std::string key = args.value("--key");
    const std::vector<std::string> paths(words.begin() + 1, words.end());
    if (paths.empty() || paths.size() > 2) {
        return args.refuse();
    }
    std::string in_path = paths[0];
    std::string out_path = paths.size() > 1 ? paths[1] : "";
    if (!key_given) {
        const char* named = key_for(decode || out_path.empty() ? in_path : out_path);
        if (!named) {
            std::fprintf(stderr, "quarrik-cfg: cannot tell the key from the name; use --key\n");
            return 2;
        }
        key = named;
    }
    if (key.empty()) {
        std::fprintf(stderr, "quarrik-cfg: the key must not be empty\n");
        return 2;
    }
    std::string bytes;
    if (!read_all(in_path, bytes)) {
        std::fprintf(stderr, "quarrik-cfg: cannot read %s\n", in_path.c_str());
        return 1;
    }
    if (decode && (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) >= bytes.size())) {
        // The game reads such a file as empty; say so rather than print nothing silently.
        std::fprintf(stderr, "quarrik-cfg: %s is empty or damaged\n", in_path.c_str());
    }
    Scrambler::Bytes result = decode ? Scrambler::unscramble(bytes.data(), bytes.size(), key)
                                     : Scrambler::scramble(bytes.data(), bytes.size(), key);
    if (!write_out(out_path, result)) {
        std::fprintf(stderr, "quarrik-cfg: cannot write %s\n",
                     out_path.empty() ? "stdout" : out_path.c_str());
        return 1;
    }
    return 0;
}
