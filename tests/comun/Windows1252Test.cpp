#include "comun/Windows1252.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

TEST(Windows1252, Windows1252AUtf8YVuelta) {
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos += static_cast<char>(b);
    }
    EXPECT_TRUE(EsUtf8Valido(AUtf8(todos)));
    EXPECT_EQ(DeUtf8(AUtf8(todos)), todos);
    EXPECT_EQ(AUtf8("\x80\x85\x9F\xA0ñ"), "\xE2\x82\xAC\xE2\x80\xA6\xC5\xB8\xC2\xA0\xC3\xB1");
    // The five holes of the code page stand for the C1 controls of the same number.
    EXPECT_EQ(AUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Windows1252, LoQueNoCabeOEstaRotoEsUnaInterrogacionPorByte) {
    const std::pair<std::string, std::string> casos[] = {
        {"\xC2\x80", "?"},            // U+0080: byte 0x80 is the euro sign
        {"a\xE6\x97\xA5z", "a?z"},    // 日
        {"\xF0\x9F\x98\x80!", "?!"},  // beyond the plane
        {"a\xE2\x82", "a??"},         // cut at the end
        {"\xE2\x82"
         "A",
         "??A"},                       // cut in the middle
        {"\xC0\xAF", "??"},            // overlong
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
        {"Ram\xF3n", "Ram?n"},         // Windows-1252 given as UTF-8
        {"\xEF\xBB\xBFhola", "hola"},  // a leading byte order mark goes
        {"a\xEF\xBB\xBF", "a?"},       // only there
    };
    for (const auto& [utf8, cp1252] : casos) {
        EXPECT_EQ(DeUtf8(utf8), cp1252);
    }
}

TEST(Windows1252, ValidezDeUtf8) {
    EXPECT_TRUE(EsUtf8Valido(""));
    EXPECT_TRUE(EsUtf8Valido("Ram\xC3\xB3n \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const char* roto : {"Ram\xF3n", "\xC3", "\xC0\xAF", "\xED\xBF\xBF", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(EsUtf8Valido(roto)) << roto;
    }
}

TEST(Windows1252, TextoDeFueraEsUtf8OWindows1252) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, std::string> casos[] = {
        {"canci\xC3\xB3n \xE2\x82\xAC", "canci\xF3n \x80"},      // UTF-8 beyond ASCII
        {bom + "canci\xC3\xB3n", "canci\xF3n"},                  // with its byte order mark
        {bom + "que\tq\r\n", "que\tq\r\n"},                      // the mark alone says UTF-8,
        {bom + "a\xF1o \xE6\x97\xA5", "a?o ?"},                  // and broken bytes are "?"
        {"canci\xF3n \x80\x81\x9F", "canci\xF3n \x80\x81\x9F"},  // Windows-1252 stays
        {"Ram\xC3\xB3n \xF1", "Ram\xC3\xB3n \xF1"},              // not all valid: Windows-1252
        {"hola\r\n", "hola\r\n"},
        {"", ""},
    };
    for (const auto& [bytes, cp1252] : casos) {
        EXPECT_EQ(TextoWindows1252(bytes), cp1252) << bytes;
    }
}

}  // namespace
}  // namespace rebanex
