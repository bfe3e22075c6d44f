#include "zocal/archive/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal {
namespace {

TEST(Cp1252, OgniByteTornaUgualeDopoAndataERitorno) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        tutti += static_cast<char>(b);
    }
    bool perdite = true;
    EXPECT_EQ(acp1252(dacp1252(tutti), &perdite), tutti);
    EXPECT_FALSE(perdite);
}

TEST(Cp1252, CaratteriDellaTabellaEDelLatin1) {
    EXPECT_EQ(dacp1252("\x80"), "€");
    EXPECT_EQ(dacp1252("\x94"), "\u201D");
    EXPECT_EQ(dacp1252("\x9F"), "Ÿ");
    EXPECT_EQ(dacp1252("\x8A\x9A"), "Šš");
    EXPECT_EQ(dacp1252("citt\xE0 pi\xF9"), "città più");
    EXPECT_EQ(dacp1252("\xA0\xFF"), "\u00A0ÿ");
    // The undefined bytes keep their own code points.
    EXPECT_EQ(dacp1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");

    EXPECT_EQ(acp1252("àèìòù ÀÈÌÒÙ €"), "\xE0\xE8\xEC\xF2\xF9 \xC0\xC8\xCC\xD2\xD9 \x80");
    EXPECT_EQ(acp1252("\u2018x\u2019 \u2013 \u2026"), "\x91x\x92 \x96 \x85");
}

TEST(Cp1252, CaratteriNonArchiviabiliDiventanoPuntoInterrogativo) {
    bool perdite = false;
    EXPECT_EQ(acp1252("ok ✓", &perdite), "ok ?");
    EXPECT_TRUE(perdite);
    EXPECT_EQ(acp1252("Łódź", &perdite), "?\xF3"
                                         "d?");
    EXPECT_TRUE(perdite);
    // A four-byte character is one character, so one "?".
    EXPECT_EQ(acp1252("a😀b", &perdite), "a?b");
    EXPECT_TRUE(perdite);
    // U+0080 has no byte of its own: 0x80 is the euro sign.
    EXPECT_EQ(acp1252("\u0080", &perdite), "?");
    EXPECT_TRUE(perdite);
    EXPECT_EQ(acp1252("solo ascii", &perdite), "solo ascii");
    EXPECT_FALSE(perdite);
    EXPECT_EQ(acp1252(""), "");
}

TEST(Cp1252, Utf8MalformatoNonSiPerdeIlResto) {
    bool perdite = false;
    EXPECT_EQ(acp1252("\x80x", &perdite), "?x"); // lone continuation byte
    EXPECT_TRUE(perdite);
    EXPECT_EQ(acp1252("\xE2\x82"
                      "A"),
              "?A");                             // truncated before an ASCII byte
    EXPECT_EQ(acp1252("a\xE2\x82"), "a?");       // truncated at the end
    EXPECT_EQ(acp1252("\xC0\xAF"), "?");         // overlong "/"
    EXPECT_EQ(acp1252("\xED\xA0\x80"), "?");     // surrogate
    EXPECT_EQ(acp1252("\xF4\x90\x80\x80"), "?"); // beyond U+10FFFF
    EXPECT_EQ(acp1252("\xFFz"), "?z");
}

} // namespace
} // namespace zocal
