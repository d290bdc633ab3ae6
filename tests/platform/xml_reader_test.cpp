#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/xml_reader.h"
#include "tests/fakes/fake_file_system.h"

// One table for both systems' parsers: natively it runs against expat, under Wine against
// XmlLite. Narrow literals here are Shift-JIS; UTF-8 text is written as u8 literals.
namespace pinmover {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string Nested(int depth) {
  std::string document;
  for (int i = 0; i < depth; ++i) document += "<a>";
  for (int i = 0; i < depth; ++i) document += "</a>";
  return document;
}

// Events as one line: <{namespace}name key=value> [text] </name>; adjacent text pieces are
// joined, since each parser cuts text where it likes.
class TraceHandler : public XmlHandler {
 public:
  void StartElement(std::string_view localName, const XmlAttributes& attributes,
                    std::string_view namespaceUri) override {
    Flush();
    trace_ += "<";
    if (!namespaceUri.empty()) trace_ += "{" + std::string(namespaceUri) + "}";
    trace_ += std::string(localName);
    for (const auto& [name, value] : attributes) {
      trace_ += " " + std::string(name) + "=" + std::string(value);
    }
    trace_ += ">";
  }
  void EndElement(std::string_view localName) override {
    Flush();
    trace_ += "</" + std::string(localName) + ">";
  }
  void Text(std::string_view utf8) override { text_ += utf8; }

  std::string Trace() {
    Flush();
    return trace_;
  }

 private:
  void Flush() {
    if (!text_.empty()) trace_ += "[" + text_ + "]";
    text_.clear();
  }
  std::string trace_;
  std::string text_;
};

struct Parsed {
  std::string trace;
  std::optional<XmlError> error;
};

Parsed Parse(const std::string& document, testing::FakeFileSystem::Faults faults = {}) {
  testing::FakeFileSystem disk;
  disk.files["doc.xml"] = document;
  disk.faults["doc.xml"] = faults;
  auto file = disk.OpenForReading("doc.xml").file;
  TraceHandler handler;
  Parsed parsed;
  parsed.error = ParseXml(*file, handler);
  parsed.trace = handler.Trace();
  return parsed;
}

enum class Outcome { Read, NotWellFormed, Refused };

struct Case {
  const char* what;
  std::string document;
  std::string trace;  // when read
  Outcome outcome = Outcome::Read;
  std::uint64_t line = 0;    // of the error
  std::uint64_t column = 0;  // of the error; 0 when the parsers may differ
};

const std::string shiftJisBody = "\r\n<場所 名=\"表\\\">東京 ｶﾞｲﾄﾞ &amp; 表</場所>";
const std::string shiftJisTrace = Utf8(u8"<場所 名=表\\>[東京 ｶﾞｲﾄﾞ & 表]</場所>");
const char* const secretText = "SECRET-TEXT-OF-A-LOCAL-FILE";

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"elements, attributes, text, CDATA and references in UTF-8",
       Utf8(u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            u8"<gpx version=\"1.1\" creator=\"a&quot;b &#x6771;\">\n"
            u8" <wpt lat=\"35.6\" lon=\"139.7\"><name>A &amp; B &lt;C&gt; &#x6771;&#20140;"
            u8"<![CDATA[<x>&amp;]]>東京</name></wpt>\n"
            u8" <empty/>\n"
            u8"</gpx>\n"),
       Utf8(u8"<gpx version=1.1 creator=a\"b 東>[\n ]<wpt lat=35.6 lon=139.7><name>"
            u8"[A & B <C> 東京<x>&amp;東京]</name></wpt>[\n ]<empty></empty>[\n]</gpx>")},
      {"UTF-16 with a byte order mark",
       Utf16LeBytes(
           u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a n=\"東京\">ｱ表\U00020BB7</a>"),
       Utf8(u8"<a n=東京>[ｱ表\U00020BB7]</a>")},
      {"ISO-8859-1",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a n=\"caf\xE9\">\xC5sa \xBD</a>",
       Utf8(u8"<a n=café>[Åsa ½]</a>")},
      {"US-ASCII", "<?xml version='1.0' encoding='us-ascii'?><a>plain</a>", "<a>[plain]</a>"},
      {"Shift_JIS", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>" + shiftJisBody, shiftJisTrace},
      {"Windows-31J in lower case",
       "<?xml version=\"1.0\" encoding=\"windows-31j\" standalone=\"yes\"?>" + shiftJisBody,
       shiftJisTrace},
      {"CP932", "<?xml version='1.0' encoding='CP932'?>" + shiftJisBody, shiftJisTrace},
      {"default and prefixed namespaces",
       "<kml xmlns=\"urn:k\" xmlns:gx=\"urn:g\">"
       "<Document><gx:Track gx:id=\"1\" id=\"2\"/><b xmlns=\"\"/></Document></kml>",
       "<{urn:k}kml><{urn:k}Document><{urn:g}Track id=1 id=2></Track><b></b></Document></kml>"},
      {"deepest nesting allowed", Nested(maxXmlDepth), Nested(maxXmlDepth)},

      {"unclosed element", "<gpx>\n<wpt>\n</wpt>\n", "", Outcome::NotWellFormed, 4},
      {"mismatched end tag", "<gpx>\n<wpt></gpx>", "", Outcome::NotWellFormed, 2},
      {"control character", "<gpx>\r\n\r\n<name>a\x01</name></gpx>", "", Outcome::NotWellFormed, 3,
       8},
      {"byte that is not UTF-8", "<gpx>\n<name>\xFF</name></gpx>", "", Outcome::NotWellFormed, 2,
       7},
      {"byte that is not ASCII", "<?xml version='1.0' encoding='US-ASCII'?>\n<a>\n\x80</a>", "",
       Outcome::NotWellFormed, 3, 1},
      {"byte pair that is not Shift_JIS",
       "<?xml version='1.0' encoding='Shift_JIS'?>\n<a>\n東京\x81\x20</a>", "",
       Outcome::NotWellFormed, 3, 3},
      // In an attribute: Wine's XmlLite leaves an unknown reference in text as it stands.
      {"undeclared entity", "<a>\n<b c=\"&nbsp;\"/></a>", "", Outcome::NotWellFormed, 2},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"EUC-JP\"?><a/>", "",
       Outcome::NotWellFormed, 1},
      {"no element at all", "<?xml version=\"1.0\"?>\n", "", Outcome::NotWellFormed, 0},
      {"text after the root element", "<a/>\ntext", "", Outcome::NotWellFormed, 2},

      {"document type with an internal entity",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [<!ENTITY n \"name\">]>\n<gpx>&n;</gpx>", "",
       Outcome::Refused, 2},
      {"billion laughs",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n"
       " <!ENTITY lol \"lol\">\n"
       " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
       " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
       " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
       " <!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n"
       " <!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">\n"
       " <!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">\n"
       " <!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">\n"
       " <!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">\n"
       " <!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">\n"
       "]>\n<lolz>&lol9;</lolz>",
       "", Outcome::Refused, 2},
      {"external entity naming a local file",
       "<!DOCTYPE gpx [<!ENTITY s SYSTEM \"xml_reader_secret.txt\">]>\n<gpx><name>&s;</name></gpx>",
       "", Outcome::Refused, 1},
      {"external document type",
       "<?xml version=\"1.0\"?>\n\n<!DOCTYPE gpx SYSTEM \"gpx.dtd\"><gpx/>", "", Outcome::Refused,
       3},
      {"nesting one level too deep", Nested(maxXmlDepth + 1), "", Outcome::Refused, 1},
      {"a comment longer than any markup may be",
       "<a><!-- > " + std::string(2 * maxXmlMarkupBytes, 'c') + "--></a>", "", Outcome::Refused},
      {"an attribute value longer than any markup may be",
       "<a b=\">" + std::string(2 * maxXmlMarkupBytes, 'v') + "\"/>", "", Outcome::Refused},
      {"text of any length, handed on as it is read", "<a>" + std::string(3 << 20, 't') + "</a>",
       "<a>[" + std::string(3 << 20, 't') + "]</a>", Outcome::Read},
      {"a CDATA section of any length, which is text",
       "<a><![CDATA[" + std::string(3 << 20, 'd') + "]]></a>",
       "<a>[" + std::string(3 << 20, 'd') + "]</a>", Outcome::Read},
  };
  return cases;
}

class XmlReaderTest : public ::testing::Test {
 protected:
  // The file an external entity names, beside the test program; a parser that loaded it would
  // bring its text into the trace.
  static void SetUpTestSuite() { std::ofstream("xml_reader_secret.txt") << secretText; }
  static void TearDownTestSuite() { std::remove("xml_reader_secret.txt"); }
};

TEST_F(XmlReaderTest, ReadsOrRejectsEachDocument) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    Parsed parsed = Parse(c.document);
    EXPECT_EQ(parsed.trace.find(secretText), std::string::npos);
    if (c.outcome == Outcome::Read) {
      EXPECT_FALSE(parsed.error) << parsed.error->message << " at line " << parsed.error->line;
      EXPECT_EQ(parsed.trace, c.trace);
      continue;
    }
    ASSERT_TRUE(parsed.error);
    const bool refused = parsed.error->kind != XmlErrorKind::Malformed;
    EXPECT_EQ(refused, c.outcome == Outcome::Refused) << parsed.error->message;
    EXPECT_TRUE(refused || !parsed.error->message.empty());
    if (c.line != 0) {
      EXPECT_EQ(parsed.error->line, c.line) << parsed.error->message;
    }
    if (c.column != 0) {
      EXPECT_EQ(parsed.error->column, c.column) << parsed.error->message;
    }
  }
}

// Nine bytes a repeat and ten blocks or more: the reader's blocks cut two-byte characters and
// references apart at every offset.
TEST_F(XmlReaderTest, ReadsLongDocumentsAcrossBlocks) {
  std::string sjisText;
  std::string utf8Text;
  for (int i = 0; i < 80000; ++i) {
    sjisText += "ア表&amp;";
    utf8Text += Utf8(u8"ア表&");
  }
  Parsed parsed =
      Parse("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>" + sjisText + "</a>\n<b");
  EXPECT_EQ(parsed.trace, "<a>[" + utf8Text + "]</a>");
  ASSERT_TRUE(parsed.error);
  EXPECT_EQ(parsed.error->line, 2u);
}

// Wine's XmlLite garbles a long run of characters that are not ASCII; it must be refused there
// rather than read wrong.
TEST_F(XmlReaderTest, ReadsLongRunsWithoutAsciiExactlyOrNotAtAll) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += Utf8(u8"東京表");
  Parsed parsed = Parse("<a>" + text + "</a>");
  if (parsed.error) {
    EXPECT_EQ(parsed.error->kind, XmlErrorKind::Malformed);
  } else {
    EXPECT_EQ(parsed.trace, "<a>[" + text + "]</a>");
  }
}

TEST_F(XmlReaderTest, ReadErrorsAndHandlerExceptionsPropagate) {
  std::string document = "<gpx>" + std::string(300000, ' ') + "</gpx>";
  try {
    Parse(document, {.failAfterBytes = 200000, .ioCause = FileErrorCause::HardIO});
    ADD_FAILURE() << "the read error was lost";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Cause(), FileErrorCause::HardIO);
  }

  struct Throwing : TraceHandler {
    void EndElement(std::string_view) override { throw std::runtime_error("stop"); }
  };
  testing::FakeFileSystem disk;
  disk.files["doc.xml"] = "<a><b/></a>";
  auto file = disk.OpenForReading("doc.xml").file;
  Throwing handler;
  EXPECT_THROW(ParseXml(*file, handler), std::runtime_error);
}

}  // namespace
}  // namespace pinmover
