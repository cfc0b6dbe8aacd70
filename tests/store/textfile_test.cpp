#include "store/runerror.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::TempDir;
using testing::ElementsAre;
using testing::ElementsAreArray;

std::vector<std::string> readLines(const std::string& path)
{
    LineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

struct LineEndCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineEnds : public testing::TestWithParam<LineEndCase>
{};

TEST_P(LineEnds, EndALineAtCrLfCrOrLf)
{
    TempDir dir;
    EXPECT_THAT(readLines(dir.write("f.txt", GetParam().bytes)),
                ElementsAreArray(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    testing::Values(LineEndCase{"Empty", "", {}}, LineEndCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                    LineEndCase{"Lf", "a\nb\n", {"a", "b"}},
                    LineEndCase{"Cr", "a\rb\r", {"a", "b"}},
                    LineEndCase{"Mixed", "a\r\n\rb\n\nc", {"a", "", "b", "", "c"}},
                    LineEndCase{"NoEndAfterLastLine", "a\r\nlast", {"a", "last"}},
                    LineEndCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    LineEndCase{"OnlyAnEnd", "\r\n", {""}},
                    LineEndCase{"BytesKept",
                                std::string("\0x\xe9\t ,\x01", 7) + "\r\n",
                                {std::string("\0x\xe9\t ,\x01", 7)}}),
    [](const testing::TestParamInfo<LineEndCase>& param) { return std::string(param.param.name); });

TEST(LineReader, ReadsLinesAcrossItsBuffer)
{
    TempDir dir;
    std::string longLine(1 << 20, 'x');
    // A CR LF split over two reads of the buffer is still one line end.
    std::string split(65535, 'y');
    auto lines = readLines(dir.write("f.txt", longLine + "\r\n" + split + "\r\nz"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], split);
    EXPECT_EQ(lines[2], "z");
    std::string atBoundary(65535, 'w');
    EXPECT_THAT(readLines(dir.write("g.txt", atBoundary + "\r\nv")), ElementsAre(atBoundary, "v"));
}

TEST(LineReader, NamesWhyAFileCannotBeRead)
{
    TempDir dir;
    for (auto [path, description] : {std::pair{dir.file("none.txt"), "File not found"},
                                     std::pair{dir.path().string(), "Path/File access error"}}) {
        try {
            LineReader reader(path);
            FAIL() << path;
        } catch (const RunError& error) {
            EXPECT_STREQ(error.what(), description);
        }
    }
}

std::size_t filesIn(const TempDir& dir)
{
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

TEST(SafeFileWriter, ReplacesTheFileOnlyWhenCommitted)
{
    TempDir dir;
    std::string path = dir.write("book.stk", "old");
    {
        SafeFileWriter writer(path);
        writer.write("new");
    }
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_EQ(filesIn(dir), 1u);
    {
        SafeFileWriter writer(path);
        writer.write("new ");
        writer.write("text");
        writer.commit();
    }
    EXPECT_EQ(test::readFile(path), "new text");
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(SafeFileWriter, DoesNotTakeAFolderForAFile)
{
    TempDir dir;
    EXPECT_THROW(SafeFileWriter writer(dir.path().string()), RunError);
    EXPECT_THROW(SafeFileWriter writer(dir.file("missing/book.stk")), RunError);
}

TEST(CreateIfMissing, NeverTruncatesAFile)
{
    TempDir dir;
    std::string kept = dir.write("list.tx1", "earlier content");
    createIfMissing(kept);
    EXPECT_EQ(test::readFile(kept), "earlier content");
    createIfMissing(dir.file("list.tx2"));
    EXPECT_EQ(test::readFile(dir.file("list.tx2")), "");
}

} // namespace
} // namespace quarrow
