#include "formats/kml/zip_archive.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/zip_writer.h"

namespace pinmover {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

const std::string kml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Placemark><name>Tokyo Tower</name>"
    "<Point><coordinates>139.7454316,35.6585805,0</coordinates></Point></Placemark></Document>"
    "</kml>\n";
constexpr std::uint32_t marker = testing::zip64Marker;
using testing::Crc;
using testing::Deflate;
using testing::U32;
using testing::ZipEntry;

std::string Zip(const std::vector<ZipEntry>& entries, const std::string& comment = "",
                bool zip64End = false) {
  return testing::Zip(entries, kml, comment, zip64End);
}

std::string Patched(std::string bytes, std::size_t at, std::uint32_t value) {
  return bytes.replace(at, 4, U32(value));
}

std::size_t DirectoryOffset(const std::string& archive) { return archive.find("PK\x01\x02"); }

const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + std::string(300, 'p');
const std::string myMaps = Zip({{"doc.kml", kml}, {"images/icon-1.png", png}});
const std::string stored = Zip({{.method = 0}});

struct Reading {
  std::optional<ZipFault> fault;
  std::uint32_t method = 0;
  std::string name = {};
  std::string content = {};
};

// Opens the archive and reads its KML in blocks as far as it goes, checking on the way what
// every InputFile owes its reader.
Reading ReadKml(const std::string& archive, std::size_t blockSize) {
  testing::FakeFileSystem files;
  files.files["a.kmz"] = archive;
  auto file = files.OpenForReading("a.kmz").file;
  KmlEntryOpening opening = OpenKmlEntry(*file);
  if (!opening.entry) return {opening.fault, opening.method};
  Reading reading{std::nullopt, 0, opening.entry->name};
  InputFile& stream = *opening.entry->stream;
  std::string block(blockSize, '\0');
  try {
    while (std::size_t count = stream.Read(block)) {
      EXPECT_EQ(reading.content.size() % blockSize, 0u) << "a block left part empty before the end";
      reading.content.append(block, 0, count);
    }
    EXPECT_EQ(reading.content.size(), stream.Length());
  } catch (const ZipFaultError& error) {
    reading.fault = error.Fault();
    EXPECT_LE(reading.content.size(), stream.Length());
    EXPECT_THROW(stream.Read(block), ZipFaultError) << "a fault that ends like the entry";
  }
  return reading;
}

struct ArchiveCase {
  const char* what;
  std::string archive;
  std::optional<ZipFault> fault =
      {};  // at opening or while reading; without, the entry reads as kml
  std::string name = "doc.kml";
  std::uint32_t method = 0;
};

class ZipArchiveTest : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(ZipArchiveTest, GivesTheKmlOrSaysWhyNot) {
  const ArchiveCase& archive = GetParam();
  for (std::size_t blockSize : {std::size_t{7}, std::size_t{64 * 1024}}) {
    SCOPED_TRACE(archive.what);
    const Reading reading = ReadKml(archive.archive, blockSize);

    EXPECT_EQ(reading.fault, archive.fault);
    EXPECT_EQ(reading.method, archive.method);
    if (!archive.fault) {
      EXPECT_EQ(reading.name, archive.name);
      EXPECT_EQ(reading.content, kml);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Readable, ZipArchiveTest,
    ::testing::Values(
        ArchiveCase{"My Maps: doc.kml and its icon, deflated", myMaps},
        ArchiveCase{"Google Earth: a folder, then a KML of its own name",
                    Zip({{"files/", "", 0}, {"Untitled Placemark.kml", kml}}),
                    {},
                    "Untitled Placemark.kml"},
        ArchiveCase{"doc.kml wins over an earlier KML", Zip({{"other.kml", "other"}, {}})},
        ArchiveCase{"only a doc.kml at the root counts, in any letter case",
                    Zip({{"maps/doc.kml", "nested"}, {.name = "DOC.Kml"}}),
                    {},
                    "DOC.Kml"},
        ArchiveCase{"else the first KML in any letter case",
                    Zip({{"readme.txt", "x"}, {.name = "Map.KML"}, {"later.kml", "later"}}),
                    {},
                    "Map.KML"},
        ArchiveCase{"stored", stored}, ArchiveCase{"data descriptor", Zip({{.descriptor = true}})},
        ArchiveCase{"comment", Zip({{}}, "My Maps export")},
        ArchiveCase{"comment holding an end record",
                    Zip({{}}, std::string("PK\x05\x06", 4) + std::string(16, '\0') +
                                  std::string("\x01\x00 from a phone", 15))},
        ArchiveCase{"name in UTF-8",
                    Zip({{.name = Utf8(u8"東京の地図.kml")}}),
                    {},
                    Utf8(u8"東京の地図.kml")},
        ArchiveCase{"ZIP64 sizes, offset and end record", Zip({{.zip64 = true}}, "", true)}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ZipArchiveTest,
    ::testing::Values(
        ArchiveCase{"empty file", "", ZipFault::NotAnArchive},
        ArchiveCase{"a KML renamed", kml, ZipFault::NotAnArchive},
        ArchiveCase{"no KML", Zip({{"images/icon-1.png", png}, {"doc.kml.txt", kml}}),
                    ZipFault::NoKml},
        ArchiveCase{"no entry at all", Zip({}), ZipFault::NoKml},
        ArchiveCase{"encrypted", Zip({{.method = 0, .encrypted = true}}), ZipFault::Encrypted},
        ArchiveCase{"bzip2", Zip({{.method = 12}}), ZipFault::UnsupportedMethod, "", 12},
        ArchiveCase{"stated size one byte past the cap", Zip({{.size = maxKmlBytes + 1}}),
                    ZipFault::TooLarge}));

constexpr ZipFault damaged = ZipFault::Damaged;

INSTANTIATE_TEST_SUITE_P(
    Damaged, ZipArchiveTest,
    ::testing::Values(
        ArchiveCase{"cut in the local header", myMaps.substr(0, 20), damaged},
        ArchiveCase{"cut in the data", myMaps.substr(0, 50), damaged},
        ArchiveCase{"cut in the directory", myMaps.substr(0, DirectoryOffset(myMaps) + 50),
                    damaged},
        ArchiveCase{"bytes lost in the data", myMaps.substr(0, 50) + myMaps.substr(60), damaged},
        ArchiveCase{"directory offset past the file", Patched(myMaps, myMaps.size() - 6, 1 << 30),
                    damaged},
        ArchiveCase{"local header offset into the directory",
                    Patched(stored, DirectoryOffset(stored) + 42,
                            static_cast<std::uint32_t>(DirectoryOffset(stored))),
                    damaged},
        ArchiveCase{"local name disagrees", Zip({{.localName = "doc.kmz"}}), damaged},
        ArchiveCase{"local method disagrees", Zip({{.localMethod = 0}}), damaged},
        ArchiveCase{"size marked ZIP64 without its field", Zip({{.size = marker}}), damaged},
        ArchiveCase{"wrong CRC-32", Zip({{.crc = 1}}), damaged},
        ArchiveCase{"wrong CRC-32, stored", Zip({{.method = 0, .crc = 1}}), damaged},
        ArchiveCase{"data exceed the stated size", Zip({{.size = kml.size() - 1}}), damaged},
        ArchiveCase{"data fall short of the stated size", Zip({{.size = kml.size() + 1}}), damaged},
        ArchiveCase{"stated size at the cap, data short", Zip({{.size = maxKmlBytes}}), damaged},
        ArchiveCase{"stored sizes disagree",
                    Zip({{.method = 0, .crc = Crc(kml.substr(0, 10)), .size = 10}}), damaged},
        ArchiveCase{"not deflate data", Zip({{.data = "\xFF\xFF\xFF\xFF"}}), damaged},
        ArchiveCase{"deflate data cut short", Zip({{.data = Deflate(kml).substr(0, 40)}}), damaged},
        ArchiveCase{"bytes after the deflate data", Zip({{.data = Deflate(kml) + "junk"}}),
                    damaged}));

// A deflate stream of 300 MiB of one byte, made and kept in pieces.
std::string DeflatedRun() {
  const std::string piece(std::size_t{1} << 20, ' ');
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE);
  std::string out;
  std::string chunk(64 * 1024, '\0');
  for (int i = 0; i < 300; ++i) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
    stream.avail_in = static_cast<uInt>(piece.size());
    do {
      stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
      stream.avail_out = static_cast<uInt>(chunk.size());
      deflate(&stream, i == 299 ? Z_FINISH : Z_NO_FLUSH);
      out.append(chunk, 0, chunk.size() - stream.avail_out);
    } while (stream.avail_out == 0);
  }
  deflateEnd(&stream);
  return out;
}

TEST(ZipArchiveTest, ZipBombStopsAtTheStatedSize) {
  const std::string bomb = DeflatedRun();
  const Reading honest = ReadKml(Zip({{.data = bomb, .size = std::uint64_t{300} << 20}}), 65536);
  // In blocks a byte longer than the stated size, which one byte too many would fill.
  const Reading lying = ReadKml(Zip({{.data = bomb, .size = 1024}}), 1025);

  EXPECT_EQ(honest.fault, ZipFault::TooLarge);
  EXPECT_EQ(lying.fault, ZipFault::Damaged);
}

class PlacemarkCounter : public XmlHandler {
 public:
  void StartElement(std::string_view localName, const XmlAttributes&, std::string_view) override {
    placemarks += localName == "Placemark";
  }
  void EndElement(std::string_view) override {}
  void Text(std::string_view) override {}

  int placemarks = 0;
};

// Placemarks whose coordinates do not repeat, for many blocks of input and of output.
std::string LargeKml() {
  std::string text = "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>\n";
  std::uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1103515245u + 12345u;
    text += "<Placemark><name>p" + std::to_string(i) + "</name><Point><coordinates>139." +
            std::to_string(seed % 1000000) + ",35." + std::to_string(seed / 1000 % 1000000) +
            "</coordinates></Point></Placemark>\n";
  }
  return text + "</Document></kml>\n";
}

TEST(ZipArchiveTest, XmlReaderParsesFromTheArchive) {
  const std::string large = LargeKml();
  for (std::uint16_t method : {0, 8}) {
    testing::FakeFileSystem files;
    files.files["good.kmz"] = Zip({{"doc.kml", large, method}});
    files.files["bad.kmz"] = Zip({{.content = large, .method = method, .crc = Crc(large) ^ 1}});
    auto good = files.OpenForReading("good.kmz").file;
    auto bad = files.OpenForReading("bad.kmz").file;
    KmlEntryOpening goodEntry = OpenKmlEntry(*good);
    KmlEntryOpening badEntry = OpenKmlEntry(*bad);
    ASSERT_TRUE(goodEntry.entry && badEntry.entry);
    PlacemarkCounter counter;

    EXPECT_FALSE(ParseXml(*goodEntry.entry->stream, counter)) << method;
    EXPECT_EQ(counter.placemarks, 20000) << method;
    EXPECT_THROW(ParseXml(*badEntry.entry->stream, counter), ZipFaultError) << method;
  }
}

// An archive whose reads fail, or find nothing, once it was opened: a disk that went away, or
// a file cut short by another program.
class ChangingFile : public InputFile {
 public:
  explicit ChangingFile(InputFile& file) : file_(file) {}
  std::uint64_t Length() override { return file_.Length(); }
  std::size_t Read(std::span<char> buffer) override {
    if (failing) throw FileError(FileErrorCause::HardIO);
    return shrunk ? 0 : file_.Read(buffer);
  }
  void Seek(std::uint64_t offset) override { file_.Seek(offset); }
  void Close() override {}

  bool failing = false;
  bool shrunk = false;

 private:
  InputFile& file_;
};

TEST(ZipArchiveTest, ArchiveChangingUnderTheStream) {
  testing::FakeFileSystem files;
  files.files["broken.kmz"] = myMaps;
  files.faults["broken.kmz"].failAfterBytes = 0;
  EXPECT_THROW(OpenKmlEntry(*files.OpenForReading("broken.kmz").file), FileError);

  for (const std::string& archive : {myMaps, stored}) {
    files.files["a.kmz"] = archive;
    auto file = files.OpenForReading("a.kmz").file;
    ChangingFile failing(*file);
    ChangingFile shrinking(*file);
    KmlEntryOpening failingEntry = OpenKmlEntry(failing);
    KmlEntryOpening shrinkingEntry = OpenKmlEntry(shrinking);
    ASSERT_TRUE(failingEntry.entry && shrinkingEntry.entry);
    failing.failing = true;
    shrinking.shrunk = true;
    std::string block(100, '\0');

    EXPECT_THROW(failingEntry.entry->stream->Read(block), FileError);
    EXPECT_THROW(shrinkingEntry.entry->stream->Read(block), ZipFaultError);
    EXPECT_THROW(failingEntry.entry->stream->Seek(0), FileError);
  }
}

}  // namespace
}  // namespace pinmover
