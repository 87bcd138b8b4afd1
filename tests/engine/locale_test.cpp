// "." is the decimal point whatever the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "engine/mdlConvertInput.h"
#include "engine/mdlDoMath.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

namespace {

TEST(GermanLocale, PointIsTheDecimalPoint) {
    // scripts/test makes the locale: localedef -i de_DE -f UTF-8 de_DE.UTF-8
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is missing";
    struct Restore {
        ~Restore() { std::setlocale(LC_ALL, "C"); }
    } restore;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    std::int32_t mode = 1;
    EXPECT_EQ(spanwright::mdlConvertInput::ConvertInput("3.5", mode), 3.5);
    EXPECT_EQ(spanwright::numeric::Text(4.5), "4.5");
    EXPECT_EQ(spanwright::numeric::Pattern(2.675, 2), "2.68");

    spanwright::PlainOptions o;
    o.output = 1;
    o.format = 0;
    o.round = 2;
    spanwright::testkit::RecordingHost host;
    spanwright::mdlDoMath::dblTotal = 0;
    EXPECT_EQ(spanwright::mdlDoMath::DoMath("3.5", 0, o, host), "3.5");
    EXPECT_EQ(spanwright::mdlDoMath::DoMath("1", 1, o, host), "4.5");
    EXPECT_EQ(spanwright::mdlDoMath::dblTotal, 4.5);
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
