#include "storage/pack_archive.h"

#include <gtest/gtest.h>

#include <string>

#include "storage/test_bytes.h"
#include "support/temp_dir.h"

namespace {

const char kKey[] = "zmxncb571qwe8604poiu2953";

std::string read_text(const PackArchive& pack, const std::string& name) {
    return std::string(pack.read_file(name).text());
}

TEST(PackScrambling, MatchesKnownBytesAndUndoesItself) {
    std::string text = "m_skins_count 4\n";
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    PackArchive::scramble_bytes(bytes.data(), bytes.size(), kKey);
    EXPECT_EQ(to_hex(bytes), "2140233e34226d5468383b70342c6446");
    PackArchive::scramble_bytes(bytes.data(), bytes.size(), kKey);
    EXPECT_EQ(as_string(bytes), text);

    PackArchive::scramble_bytes(bytes.data(), bytes.size(), "");
    EXPECT_EQ(as_string(bytes), text);
}

class PackArchiveFiles : public ::testing::Test {
  protected:
    // Builds an archive through the writer, then reads it through a fresh reader.
    PackArchive round_trip(PackArchive& writer) {
        std::string path = dir.path() + "/data.pk";
        EXPECT_TRUE(writer.save(path));
        PackArchive reader;
        reader.set_key(kKey);
        EXPECT_TRUE(reader.open(path));
        return reader;
    }

    TempDir dir;
};

TEST_F(PackArchiveFiles, MembersRoundTripPlainScrambledAndEmpty) {
    PackArchive writer;
    writer.set_key(kKey);
    std::string binary("\0\x01\xff\x80zz", 6);
    ASSERT_TRUE(writer.add_memory("dat/param.txt", "m_skins_count 4\n", 16, true));
    ASSERT_TRUE(writer.add_memory("mui/font.tga", binary.data(), binary.size(), false));
    ASSERT_TRUE(writer.add_memory("dat/empty.txt", "", 0, true));
    ASSERT_TRUE(writer.add_file(dir.write("loose/x.bin", "disk bytes"), "dat/x.bin", true));

    PackArchive reader = round_trip(writer);
    ASSERT_EQ(reader.member_count(), 4u);
    EXPECT_EQ(reader.member_name(0), "dat/param.txt");
    EXPECT_EQ(reader.member(0).scrambled, 'y');
    EXPECT_EQ(reader.member(0).offset, 6u + 4 + 13 + 4 + 1);
    EXPECT_EQ(reader.member(0).data, nullptr);
    EXPECT_EQ(reader.member(1).scrambled, 'n');

    EXPECT_EQ(read_text(reader, "dat/param.txt"), "m_skins_count 4\n");
    EXPECT_EQ(read_text(reader, "mui/font.tga"), binary);
    PackEntry empty = reader.read_file("dat/empty.txt");
    EXPECT_EQ(empty.size, 0u);
    EXPECT_EQ(empty.scrambled, 'y');
    EXPECT_EQ(read_text(reader, "dat/x.bin"), "disk bytes");

    // Re-saving an opened archive carries its members over.
    PackArchive again = round_trip(reader);
    EXPECT_EQ(read_text(again, "dat/param.txt"), "m_skins_count 4\n");
    EXPECT_EQ(read_text(again, "dat/x.bin"), "disk bytes");
}

TEST_F(PackArchiveFiles, ReadsHandWrittenArchive) {
    std::string secret = "level\n";
    std::vector<std::uint8_t> stored(secret.begin(), secret.end());
    PackArchive::scramble_bytes(stored.data(), stored.size(), kKey);
    std::string path = dir.write("data.pk", pack_header(2) + pack_record("a.txt", "plain", 'n') +
                                                pack_record("b.txt", as_string(stored), 'y'));
    PackArchive pack;
    pack.set_key(kKey);
    ASSERT_TRUE(pack.open(path));
    EXPECT_EQ(read_text(pack, "a.txt"), "plain");
    EXPECT_EQ(read_text(pack, "b.txt"), secret);

    // The wrong key gives other bytes, not an error.
    PackArchive wrong;
    wrong.set_key("other");
    ASSERT_TRUE(wrong.open(path));
    EXPECT_NE(read_text(wrong, "b.txt"), secret);
}

TEST_F(PackArchiveFiles, LookupToleratesSeparatorsButNotCase) {
    std::string path =
        dir.write("data.pk", pack_header(5) + pack_record("dat/param.txt", "slash", 'n') +
                                 pack_record("dat/s1\\g_1.spr", "mixed", 'n') +
                                 pack_record("mui\\menu.txt", "backslash", 'n') +
                                 pack_record("dat/twice.txt", "first", 'n') +
                                 pack_record("dat\\twice.txt", "second", 'n'));
    PackArchive pack;
    ASSERT_TRUE(pack.open(path));
    EXPECT_EQ(read_text(pack, "dat\\param.txt"), "slash");
    EXPECT_EQ(read_text(pack, "dat/param.txt"), "slash");
    EXPECT_EQ(read_text(pack, "mui/menu.txt"), "backslash");
    EXPECT_EQ(read_text(pack, "mui\\menu.txt"), "backslash");
    EXPECT_EQ(read_text(pack, "dat/twice.txt"), "first");
    EXPECT_EQ(read_text(pack, "dat\\twice.txt"), "first");
    EXPECT_EQ(pack.find("DAT/param.txt"), -1);
    EXPECT_EQ(pack.find("dat/param.tx"), -1);
    EXPECT_EQ(pack.find("/dat/param.txt"), -1);
    // A request mixing both separators matches only a member stored with the same mix.
    EXPECT_EQ(read_text(pack, "dat/s1\\g_1.spr"), "mixed");
    EXPECT_EQ(read_text(pack, "dat/s1/g_1.spr"), "mixed");
    EXPECT_EQ(pack.find("dat\\s1/g_1.spr"), -1);
    EXPECT_EQ(pack.find("dat\\param.txt/"), -1);
}

TEST_F(PackArchiveFiles, FallsBackToLooseFiles) {
    std::string path = dir.write("data.pk", pack_header(1) + pack_record("a.txt", "member", 'n'));
    std::string loose = dir.write("dat/param.txt", "m_skins_count 3\n");
    PackArchive pack;
    ASSERT_TRUE(pack.open(path));
    PackEntry entry = pack.read_file(loose);
    EXPECT_EQ(entry.text(), "m_skins_count 3\n");
    EXPECT_EQ(entry.offset, 0u);
    EXPECT_EQ(entry.scrambled, 'n');
    // A case mismatch falls through to the disk, where the name is missing too.
    EXPECT_TRUE(pack.read_file("A.txt").empty());
    EXPECT_EQ(pack.read_file(dir.path() + "/nothing").data, nullptr);
    EXPECT_TRUE(pack.read_file(dir.path()).empty());

    // Without an archive every name comes from the disk.
    PackArchive none;
    EXPECT_FALSE(none.open(dir.path() + "/missing.pk"));
    EXPECT_EQ(none.read_file(loose).text(), "m_skins_count 3\n");
}

TEST_F(PackArchiveFiles, MalformedDirectoryKeepsTheGoodMembers) {
    std::string good = pack_record("a.txt", "one", 'n') + pack_record("b.txt", "two", 'x');
    PackArchive pack;

    // The count promises more records than there are.
    ASSERT_TRUE(pack.open(dir.write("short.pk", pack_header(5) + good)));
    EXPECT_EQ(pack.member_count(), 2u);
    EXPECT_EQ(pack.member(1).scrambled, 'n');  // any flag but 'y' is plain

    // A name too long for the reader.
    std::string long_name(108, 'n');
    ASSERT_TRUE(
        pack.open(dir.write("long.pk", pack_header(3) + good + pack_record(long_name, "x", 'n'))));
    EXPECT_EQ(pack.member_count(), 2u);
    ASSERT_TRUE(pack.open(
        dir.write("longest.pk", pack_header(1) + pack_record(long_name.substr(1), "", 'n'))));
    EXPECT_EQ(pack.member_count(), 1u);

    // Data running past the end of the file.
    std::string cut = good + pack_record("c.txt", "three", 'n');
    cut.pop_back();
    ASSERT_TRUE(pack.open(dir.write("cut.pk", pack_header(3) + cut)));
    EXPECT_EQ(pack.member_count(), 2u);
    EXPECT_EQ(read_text(pack, "b.txt"), "two");

    // A header cut inside the count, or another magic.
    ASSERT_TRUE(pack.open(dir.write("tiny.pk", "LB\x01")));
    EXPECT_EQ(pack.member_count(), 0u);
    ASSERT_TRUE(pack.open(dir.write("ok.pk", pack_header(2) + good)));
    EXPECT_FALSE(pack.open(dir.write("bad.pk", "XY" + le32(0))));
    EXPECT_EQ(pack.member_count(), 2u);
}

TEST_F(PackArchiveFiles, ArchiveShrunkAfterOpenGivesNoStaleBytes) {
    std::string path = dir.write("data.pk", pack_header(1) + pack_record("a.txt", "member", 'n'));
    PackArchive pack;
    ASSERT_TRUE(pack.open(path));
    dir.write("data.pk", pack_header(0));
    PackEntry entry = pack.read_file("a.txt");
    EXPECT_EQ(entry.size, 0u);
    EXPECT_EQ(entry.data, nullptr);
}

TEST_F(PackArchiveFiles, WriterRejectsNamesTheReaderCannotTake) {
    PackArchive pack;
    EXPECT_FALSE(pack.add_memory(std::string(108, 'n'), "x", 1, false));
    EXPECT_FALSE(pack.add_memory("", "x", 1, false));
    EXPECT_TRUE(pack.add_memory(std::string(107, 'n'), "x", 1, false));
    EXPECT_FALSE(pack.add_file(dir.path() + "/missing", "m", false));
    EXPECT_FALSE(pack.save(dir.path() + "/no/such/folder/data.pk"));
}

}  // namespace
