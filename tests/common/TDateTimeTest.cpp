// The date-time number's text: what the reader takes, the display shows.

#include <gtest/gtest.h>

#include <string>

#include "common/TDateTime.h"
#include "platform/Exception.h"

namespace {

TEST(StrToDateTime, ReadsOnlyTheYearsItsDisplayShows) {
    const struct {
        const char* Text;
        const char* Shown;  // null: refused
    } cases[] = {
        {"1/1/1", "0001/01/01 12:00:00 am"},
        {"9999/12/31 23:59:59", "9999/12/31 11:59:59 pm"},
        {"2026/12/9 9:30:05 pm", "2026/12/09 09:30:05 pm"},
        {"0/1/1", nullptr},
        {"0000/12/31 23:59", nullptr},
        {"10000/1/1", nullptr},
        {"999999/1/1", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.Shown) {
            EXPECT_EQ(FormatDateTime(StrToDateTime(c.Text)), c.Shown);
            continue;
        }
        try {
            StrToDateTime(c.Text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(c.Text) + "' is not a valid date and time");
        }
    }
}

}  // namespace
