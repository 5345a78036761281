// Random and truncated input for the three readers: nothing may crash, hang or read outside
// its buffers (run under AddressSanitizer to see the last).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "storage/scrambler.h"
#include "storage/test_bytes.h"
#include "support/temp_dir.h"

namespace {

std::string random_bytes(std::mt19937& rng, std::size_t n, const std::string& alphabet) {
    std::string out(n, '\0');
    for (auto& c : out) {
        c = alphabet.empty() ? static_cast<char>(rng() & 0xff) : alphabet[rng() % alphabet.size()];
    }
    return out;
}

TEST(StorageFuzz, ParamFileTakesAnyBytes) {
    std::mt19937 rng(7);
    const std::string syntax = "ab \t\r\n\"/1";
    for (int round = 0; round < 2000; ++round) {
        std::string text = random_bytes(rng, rng() % 64, round % 2 ? syntax : "");
        ParamFile f;
        f.load_memory(text.data(), text.size(), true);
        f.load_memory(text.data(), text.size(), false, "qzv");
        for (const auto& [key, value] : f.pairs()) {
            ASSERT_FALSE(key.empty());
            ASSERT_LE(key.size() + value.size(), text.size());
        }
    }
}

TEST(StorageFuzz, UnscrambleTakesAnyBlock) {
    std::mt19937 rng(11);
    for (int round = 0; round < 2000; ++round) {
        std::string block = random_bytes(rng, rng() % 300, "");
        auto data = Scrambler::unscramble(block.data(), block.size(), "mo#84v");
        if (block.size() >= 2 && static_cast<std::uint8_t>(block[0]) < block.size()) {
            ASSERT_EQ(data.size(), block.size() - 1);
        } else {
            ASSERT_TRUE(data.empty());
        }
    }
}

TEST(StorageFuzz, ArchiveReaderTakesDamagedFiles) {
    TempDir dir;
    std::string good = pack_header(3) + pack_record("dat/a.txt", "alpha", 'y') +
                       pack_record("dat\\b.txt", std::string(300, 'b'), 'n') +
                       pack_record("c", "", 'n');
    std::string path = dir.path() + "/data.pk";
    std::mt19937 rng(13);
    PackArchive pack;
    pack.set_key("zmxncb571qwe8604poiu2953");
    auto probe = [&](const std::string& bytes) {
        dir.write("data.pk", bytes);
        if (!pack.open(path)) {
            return;
        }
        ASSERT_LE(pack.member_count(), 3u);
        for (std::size_t i = 0; i < pack.member_count(); ++i) {
            const PackEntry& m = pack.member(i);
            ASSERT_LE(std::uint64_t{m.offset} + m.size, bytes.size());
            long found = pack.find(pack.member_name(i));
            ASSERT_GE(found, 0);
            ASSERT_LE(static_cast<std::size_t>(found), i);
            PackEntry read = pack.read_file(pack.member_name(i));
            ASSERT_EQ(read.size, pack.member(static_cast<std::size_t>(found)).size);
        }
    };
    for (std::size_t cut = 0; cut <= good.size(); ++cut) {
        probe(good.substr(0, cut));
    }
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        for (int flips = 1 + rng() % 4; flips > 0; --flips) {
            bytes[rng() % bytes.size()] = static_cast<char>(rng() & 0xff);
        }
        probe(bytes.substr(0, rng() % (bytes.size() + 1)));
        probe("LB" + random_bytes(rng, rng() % 40, ""));
    }
}

}  // namespace
