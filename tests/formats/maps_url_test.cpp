#include "formats/maps_url.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "text/utf8.h"

namespace pinmover {
namespace {

struct LinkCase {
  const char* what;
  std::string url;
  std::optional<UrlPosition> position;
  std::string query = "";
};

constexpr std::nullopt_t none = std::nullopt;

constexpr std::optional<UrlPosition> At(double latitude, double longitude) {
  return UrlPosition{latitude, longitude};
}

void PrintTo(const LinkCase& link, std::ostream* out) { *out << link.what; }

class MapsUrlTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(MapsUrlTest, GivesPositionAndQuery) {
  const LinkCase& link = GetParam();
  const std::optional<UrlPosition> position = PositionInMapsUrl(link.url);

  ASSERT_EQ(position.has_value(), link.position.has_value()) << link.what;
  if (position) {
    EXPECT_EQ(position->latitude, link.position->latitude) << link.what;
    EXPECT_EQ(position->longitude, link.position->longitude) << link.what;
  }
  EXPECT_EQ(MapsUrlQuery(link.url), link.query) << link.what;
}

const std::string googleMaps = "https://www.google.com/maps";

INSTANTIATE_TEST_SUITE_P(
    Links, MapsUrlTest,
    ::testing::Values(
        LinkCase{"dropped pin", googleMaps + "/search/35.6900,139.6300", At(35.69, 139.63)},
        LinkCase{"dropped pin, %2C and +", googleMaps + "/search/35.6900%2C+139.6300?entry=ttu",
                 At(35.69, 139.63)},
        LinkCase{"dropped pin, %2c, a space, south", googleMaps + "/search/-33.8568%2c 151.2153",
                 At(-33.8568, 151.2153)},
        LinkCase{"saved place", "http://maps.google.com/?q=22.194509,113.540148",
                 At(22.194509, 113.540148), "22.194509,113.540148"},
        LinkCase{"&q= with blanks and signs",
                 "https://maps.google.com/maps?hl=ja&q=+35.6+,%20%2B139.7", At(35.6, 139.7),
                 "35.6 , +139.7"},
        LinkCase{"q= with an ideographic space typed before it",
                 "https://maps.google.com/?q=%E3%80%8035.6,139.7", At(35.6, 139.7), "35.6,139.7"},
        LinkCase{"query=", googleMaps + "/search/?api=1&query=-33.8568%2C-70.6693",
                 At(-33.8568, -70.6693), "-33.8568,-70.6693"},
        LinkCase{"ll= with words in q=",
                 "https://maps.google.com/maps?q=Sample+Station&ll=35.681,139.767",
                 At(35.681, 139.767), "Sample Station"},
        LinkCase{"map centre", googleMaps + "/@35.6595,139.7005,15z", At(35.6595, 139.7005)},
        LinkCase{"map centre in metres", googleMaps + "/@-22.9519,-43.2105,1234m/data=!3m1!1e3",
                 At(-22.9519, -43.2105)},
        LinkCase{"searched words with a centre",
                 googleMaps + "/search/Sample+Ramen/@35.7,139.7,17.5z", At(35.7, 139.7)},
        LinkCase{"centre at the end", googleMaps + "/place/Sample+Park/@43.0621,141.3544",
                 At(43.0621, 141.3544)},
        LinkCase{"street view", googleMaps + "/@35.6595,139.7005,3a,75y,90t/data=!3m6!1e1",
                 At(35.6595, 139.7005)},
        LinkCase{"the place wins over the centre",
                 googleMaps +
                     "/place/Sample+Cafe/@35.66,139.74,17z/data=!3m1!4b1!4m6!3m5!1s0x60188b:"
                     "0x4a2b!8m2!3d35.6586!4d139.7454!16s%2Fg%2F11sample",
                 At(35.6586, 139.7454)},
        LinkCase{"the place at the end", googleMaps + "/place/X/data=!8m2!3d-33.8568!4d151.2153",
                 At(-33.8568, 151.2153)},
        LinkCase{"!3d of a camera, no !4d after it",
                 googleMaps + "/embed?pb=!1m18!1m12!1m3!1d3240!2d139.7454!3d35.6586!2m3", none},
        LinkCase{
            "place id only",
            googleMaps + "/place/Sample+Shop/data=!4m2!3m1!1s0x60188b857f3f0b1d:0x8b52b5f2e4a5a5c1",
            none},
        LinkCase{"short link", "https://maps.app.goo.gl/AbCdEf123", none},
        LinkCase{"words", "https://maps.google.com/?q=Tokyo+Tower", none, "Tokyo Tower"},
        LinkCase{"Japanese words",
                 "https://maps.google.com/?q=%E6%9D%B1%E4%BA%AC%E3%82%BF%E3%83%AF%E3%83%BC", none,
                 std::string(Utf8(u8"東京タワー"))},
        LinkCase{"broken escapes", "https://maps.google.com/?q=+50%zz+off%E6%9D%4", none,
                 "50%zz off\xEF\xBF\xBD\xEF\xBF\xBD%4"},
        LinkCase{"latitude out of range", "https://maps.google.com/?q=95,10", none, "95,10"},
        LinkCase{"longitude out of range", googleMaps + "/@35,180.5,15z", none},
        LinkCase{"one number", "https://maps.google.com/?q=35.1", none, "35.1"},
        LinkCase{"exponent, read as every format reads it", "https://maps.google.com/?q=3.5e1,139",
                 At(35, 139), "3.5e1,139"},
        LinkCase{"no zoom after the centre", googleMaps + "/@35.6,139.7,15x", none},
        LinkCase{"empty", "", none}));

// Text built to make a careless search start over at every byte: each must still take only a
// moment.
TEST(MapsUrlLengthTest, LongHostileLinksTakeLinearTime) {
  const auto repeated = [](std::string_view piece) {
    std::string text;
    while (text.size() < (std::size_t{1} << 20)) text += piece;
    return text;
  };
  for (const std::string& url :
       {repeated("!3d1"), repeated("!3d1!4d1x"), "/maps" + repeated("/@1,1,1x"),
        "/maps" + repeated("/search/1,x"), "?" + repeated("q=1,x&ll=%2"), repeated("%")}) {
    EXPECT_FALSE(PositionInMapsUrl(url).has_value());
    EXPECT_LE(MapsUrlQuery(url).size(), url.size());
  }
}

}  // namespace
}  // namespace pinmover
