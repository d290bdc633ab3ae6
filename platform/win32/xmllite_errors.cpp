#include "platform/win32/xmllite_errors.h"

#include <xmllite.h>

#include <cstdint>
#include <cstdio>
#include <utility>

namespace pinmover {

namespace {

// The reader's codes; the writer's (WR_E_...) never reach a reader.
constexpr std::pair<std::uint32_t, const char*> descriptions[] = {
    {MX_E_INPUTEND, "unexpected end of input"},
    {MX_E_ENCODING, "unrecognized encoding"},
    {MX_E_ENCODINGSWITCH, "unable to switch the encoding"},
    {MX_E_ENCODINGSIGNATURE, "unrecognized input signature"},
    {WC_E_WHITESPACE, "whitespace expected"},
    {WC_E_SEMICOLON, "semicolon expected"},
    {WC_E_GREATERTHAN, "'>' expected"},
    {WC_E_QUOTE, "quote expected"},
    {WC_E_EQUAL, "equal expected"},
    {WC_E_LESSTHAN, "no '<' in attribute value"},
    {WC_E_HEXDIGIT, "hexadecimal digit expected"},
    {WC_E_DIGIT, "decimal digit expected"},
    {WC_E_LEFTBRACKET, "'[' expected"},
    {WC_E_LEFTPAREN, "'(' expected"},
    {WC_E_XMLCHARACTER, "illegal xml character"},
    {WC_E_NAMECHARACTER, "illegal name character"},
    {WC_E_SYNTAX, "incorrect document syntax"},
    {WC_E_CDSECT, "incorrect CDATA section syntax"},
    {WC_E_COMMENT, "incorrect comment syntax"},
    {WC_E_CONDSECT, "incorrect conditional section syntax"},
    {WC_E_DECLATTLIST, "incorrect ATTLIST declaration syntax"},
    {WC_E_DECLDOCTYPE, "incorrect DOCTYPE declaration syntax"},
    {WC_E_DECLELEMENT, "incorrect ELEMENT declaration syntax"},
    {WC_E_DECLENTITY, "incorrect ENTITY declaration syntax"},
    {WC_E_DECLNOTATION, "incorrect NOTATION declaration syntax"},
    {WC_E_NDATA, "NDATA expected"},
    {WC_E_PUBLIC, "PUBLIC expected"},
    {WC_E_SYSTEM, "SYSTEM expected"},
    {WC_E_NAME, "name expected"},
    {WC_E_ROOTELEMENT, "one root element"},
    {WC_E_ELEMENTMATCH, "element must match"},
    {WC_E_UNIQUEATTRIBUTE, "unique attribute"},
    {WC_E_TEXTXMLDECL, "text/xmldecl not at the beginning of input"},
    {WC_E_LEADINGXML, "leading \"xml\""},
    {WC_E_TEXTDECL, "incorrect text declaration syntax"},
    {WC_E_XMLDECL, "incorrect xml declaration syntax"},
    {WC_E_ENCNAME, "incorrect encoding name syntax"},
    {WC_E_PUBLICID, "incorrect public identifier syntax"},
    {WC_E_PESINTERNALSUBSET, "parameter entity reference in the internal subset"},
    {WC_E_PESBETWEENDECLS, "parameter entity reference between declarations"},
    {WC_E_NORECURSION, "no recursion"},
    {WC_E_ENTITYCONTENT, "entity content not well formed"},
    {WC_E_UNDECLAREDENTITY, "undeclared entity"},
    {WC_E_PARSEDENTITY, "entity must be a parsed entity"},
    {WC_E_NOEXTERNALENTITYREF, "no external entity references"},
    {WC_E_PI, "incorrect processing instruction syntax"},
    {WC_E_SYSTEMID, "incorrect system identifier syntax"},
    {WC_E_QUESTIONMARK, "'?' expected"},
    {WC_E_CDSECTEND, "no ']]>' in element content"},
    {WC_E_MOREDATA, "not all chunks of value have been read"},
    {WC_E_DTDPROHIBITED, "DTD was found but is prohibited"},
    {WC_E_INVALIDXMLSPACE, "xml:space attribute with invalid value"},
    {NC_E_QNAMECHARACTER, "illegal qualified name character"},
    {NC_E_QNAMECOLON, "multiple colons in qualified name"},
    {NC_E_NAMECOLON, "colon in name"},
    {NC_E_DECLAREDPREFIX, "declared prefix"},
    {NC_E_UNDECLAREDPREFIX, "undeclared prefix"},
    {NC_E_EMPTYURI, "non-default namespace with empty URI"},
    {NC_E_XMLPREFIXRESERVED, "\"xml\" prefix is reserved"},
    {NC_E_XMLNSPREFIXRESERVED, "\"xmlns\" prefix is reserved"},
    {NC_E_XMLURIRESERVED, "xml namespace URI must be bound to the \"xml\" prefix"},
    {NC_E_XMLNSURIRESERVED, "xmlns namespace URI is reserved"},
    {SC_E_MAXELEMENTDEPTH, "element depth exceeds limit"},
    {SC_E_MAXENTITYEXPANSION, "entity expansion exceeds limit"},
    {XML_E_INVALID_DECIMAL, "invalid decimal character reference"},
    {XML_E_INVALID_HEXIDECIMAL, "invalid hexadecimal character reference"},
    {XML_E_INVALID_UNICODE, "character reference to an invalid character"},
    {XML_E_INVALIDENCODING, "invalid character for the encoding"},
};

}  // namespace

std::string XmlLiteErrorText(HRESULT code) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(code));
  for (const auto& [known, text] : descriptions) {
    if (known == static_cast<std::uint32_t>(code)) return std::string(text) + " (" + number + ")";
  }
  return std::string("XmlLite error ") + number;
}

}  // namespace pinmover
