// The update reply parse, the query URL, the version comparison and the base64 decoder.
#include "Base64Decode.h"
#include "CurlSession.h"
#include "UpdateReplies.h"
#include "VersionCompare.h"

#include "TempHome.h"

#include <gtest/gtest.h>

#include <cstdlib>

using tidewell::test::UpdateReply;

namespace
{

class UpdateParsing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        info.productCode = "TIDEWELL";
        info.currentVersion = "1.2.3";
        info.language = "en";
    }
    tidewell::test::TempHome home;
    ProductUpdateInfo info;
    CurlSession session{&info};
};

} // namespace

TEST_F(UpdateParsing, NewerVersionFillsEveryResult)
{
    session.ParseUpdateInfo(info, UpdateReply());
    EXPECT_EQ(info.state, UpdateStateNewer);
    EXPECT_EQ(info.newVersion, "1.2.4");
    EXPECT_EQ(info.displayName, "Tidewell Music Tidy");
    EXPECT_EQ(info.whatsNewText, "Faster scans.\nFewer duplicates.");
    EXPECT_EQ(info.downloadUrl, "http://www.example.org/download.html?product=TIDEWELL");

    info.mark = true;
    info.newVersion.clear();
    session.ParseUpdateInfo(info, UpdateReply({{"ProductVer", "1.10"}}));
    EXPECT_EQ(info.state, UpdateStateNewerMarked);
    EXPECT_EQ(info.newVersion, "1.10");
}

TEST_F(UpdateParsing, SameOrOlderVersionKeepsTheDownloadAddress)
{
    info.downloadUrl = "earlier";
    for (const char* version : {"1.2.3", "1.2.3.0", "1.2", "0.9.99"})
    {
        info.state = 0;
        session.ParseUpdateInfo(info, UpdateReply({{"ProductVer", version}}));
        EXPECT_EQ(info.state, UpdateStateUpToDate) << version;
        EXPECT_EQ(info.downloadUrl, "earlier");
        EXPECT_EQ(info.newVersion, version);
    }
}

TEST_F(UpdateParsing, EmptyProductCodeStillTakesTheTexts)
{
    session.ParseUpdateInfo(info, UpdateReply({{"ProductCode", "<empty>"}, {"ProductDisplayName", "Other"}}));
    EXPECT_EQ(info.state, UpdateStateEmptyProduct);
    EXPECT_EQ(info.displayName, "Other");
    EXPECT_TRUE(info.downloadUrl.empty());
}

TEST_F(UpdateParsing, RepliesThatChangeNothing)
{
    info.state = 77;
    session.ParseUpdateInfo(info, "");
    EXPECT_EQ(info.state, 77);
    session.ParseUpdateInfo(info, UpdateReply({{"ProductCode", "<omit>"}}));
    EXPECT_EQ(info.state, 77);
    EXPECT_TRUE(info.newVersion.empty());
    session.ParseUpdateInfo(info, "<html><body>maintenance</body></html>");
    EXPECT_EQ(info.state, 77);
}

TEST_F(UpdateParsing, BrokenRepliesFailTheCheckAndChangeNoResult)
{
    const std::string good = UpdateReply();
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"truncated", good.substr(0, good.size() / 2)},
        {"not xml", "Service Unavailable"},
        {"white space only", "  \r\n "},
        {"mismatched tags", "<a><b></a>"},
        {"no display name", UpdateReply({{"ProductDisplayName", "<omit>"}})},
        {"no version", UpdateReply({{"ProductVer", "<omit>"}})},
        {"no download address", UpdateReply({{"DownloadURL", "<omit>"}})},
        {"no what's new", UpdateReply({{"WhatsNew", "<omit>"}})},
        {"no description", UpdateReply({{"Description", "<omit>"}})},
        {"description not base64", UpdateReply({{"Description", "not*base64!"}})},
        {"description with a lone character", UpdateReply({{"Description", "QUJD\r\nR"}})},
    };
    for (const auto& [name, reply] : broken)
    {
        SCOPED_TRACE(name);
        info.state = 0;
        info.newVersion = "kept";
        info.displayName = "kept";
        info.whatsNewText = "kept";
        info.downloadUrl = "kept";
        session.ParseUpdateInfo(info, reply);
        EXPECT_EQ(info.state, UpdateStateBadReply);
        EXPECT_EQ(info.newVersion, "kept");
        EXPECT_EQ(info.displayName, "kept");
        EXPECT_EQ(info.whatsNewText, "kept");
        EXPECT_EQ(info.downloadUrl, "kept");
    }
}

TEST_F(UpdateParsing, ElementsWithoutTextReadAsEmpty)
{
    session.ParseUpdateInfo(info, UpdateReply({{"ProductVer", "<empty>"},
                                               {"Description", "<empty>"},
                                               {"ProductDisplayName", "<empty>"}}));
    EXPECT_EQ(info.state, UpdateStateUpToDate);
    EXPECT_EQ(info.newVersion, "");
    EXPECT_EQ(info.whatsNewText, "");
    EXPECT_EQ(info.displayName, "");
}

TEST_F(UpdateParsing, LongWhatsNewTextIsKeptWhole)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + std::to_string(i) + " of the notes\n";
    // Base64 by hand through the decoder's inverse: encode with the standard alphabet.
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    for (size_t i = 0; i < text.size(); i += 3)
    {
        const size_t n = std::min<size_t>(3, text.size() - i);
        unsigned v = 0;
        for (size_t k = 0; k < 3; ++k)
            v = (v << 8) | (k < n ? static_cast<unsigned char>(text[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k)
            encoded += k <= n ? alphabet[(v >> (18 - 6 * k)) & 63] : '=';
        if (encoded.size() % 78 == 76)
            encoded += "\r\n";
    }
    ASSERT_GT(text.size(), 5120u * 4);
    session.ParseUpdateInfo(info, UpdateReply({{"Description", encoded}}));
    EXPECT_EQ(info.state, UpdateStateNewer);
    EXPECT_EQ(info.whatsNewText, text);
}

TEST(UpdateQuery, UrlCarriesEscapedValues)
{
    setenv("TIDEWELL_UPDATE_URL", "http://127.0.0.1:9/update-product-info/update.php", 1);
    CurlSession session;
    ProductUpdateInfo info;
    info.productCode = "P";
    info.currentVersion = "1.2.3";
    info.language = "en";
    EXPECT_EQ(session.BuildUpdateQueryUrl(info),
              "http://127.0.0.1:9/update-product-info/"
              "update.php?action=getinfo&product=P&versioncur=1.2.3&lang=en");
    info.productCode = "Tide & Well";
    info.language = "zh_CN/中";
    EXPECT_EQ(session.BuildUpdateQueryUrl(info),
              "http://127.0.0.1:9/update-product-info/update.php?action=getinfo&product=Tide%20%26%20Well"
              "&versioncur=1.2.3&lang=zh_CN%2F%E4%B8%AD");
    // Far longer than the 5120 bytes of old: nothing is cut.
    info.productCode = std::string(6000, 'x');
    EXPECT_NE(session.BuildUpdateQueryUrl(info).find(std::string(6000, 'x') + "&versioncur="),
              std::string::npos);

    unsetenv("TIDEWELL_UPDATE_URL");
    info.productCode = "P";
    EXPECT_EQ(
        session.BuildUpdateQueryUrl(info).rfind("http://www.zavro.com/update-product-info/update.php?", 0),
        0u);
}

TEST(UpdateVersions, DottedComparison)
{
    using tidewell::update::CompareVersions;
    EXPECT_LT(CompareVersions("1.2.9", "1.2.10"), 0);
    EXPECT_GT(CompareVersions("2.0", "1.99.99.99"), 0);
    EXPECT_EQ(CompareVersions("1.2", "1.2.0.0"), 0);
    EXPECT_EQ(CompareVersions("", "0"), 0);
    EXPECT_GT(CompareVersions("1.0.0.2", "1.0.0.1"), 0);
    EXPECT_EQ(CompareVersions("1.2beta", "1.2"), 0);
}

TEST(UpdateBase64, DecodesAcrossLineBreaks)
{
    using tidewell::update::Base64Decode;
    EXPECT_EQ(Base64Decode("SGVs\r\nbG8=\n"), std::optional<std::string>("Hello"));
    EXPECT_EQ(Base64Decode("SGVsbG8"), std::optional<std::string>("Hello"));
    EXPECT_EQ(Base64Decode(""), std::optional<std::string>(""));
    EXPECT_FALSE(Base64Decode("SGVsbG8=QQ==").has_value());
    EXPECT_FALSE(Base64Decode("SGV-bG8=").has_value());
}
