// The addresses the partner pages hand to the desktop's opener.
#include "app/partners/LinkAddresses.h"

#include <gtest/gtest.h>

namespace {

TEST(WebLinkUrl, AddsTheSchemeOnlyWhereThereIsNone) {
    struct Case {
        const char* Stored;
        const char* Opened;
    } cases[] = {
        {"www.x.hu", "http://www.x.hu"},             // no scheme: http added
        {"x.hu/a?b=1", "http://x.hu/a?b=1"},         // path and query kept
        {"http://x.hu", "http://x.hu"},              // already http
        {"https://x.hu", "https://x.hu"},            // https is not prefixed again
        {"HTTP://X.HU", "HTTP://X.HU"},              // scheme in capitals kept as it is
        {"Https://x.hu", "Https://x.hu"},            // mixed case
        {"ftp://x.hu/f", "ftp://x.hu/f"},            // another scheme
        {"  www.x.hu  ", "http://www.x.hu"},         // blanks around dropped
        {"localhost:8080", "http://localhost:8080"}, // a port is no scheme
        {"://x.hu", "http://://x.hu"},               // nothing before "://" is no scheme
        {"1x://x.hu", "http://1x://x.hu"},           // a scheme starts with a letter
        {"x.hu", ""},                                // four characters: nothing opens
        {"   x.h  ", ""},                            // short once blanks are dropped
        {"", ""},
        {"ő.hu/", "http://ő.hu/"}, // counted in characters
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::WebLinkUrl(c.Stored), c.Opened) << c.Stored;
}

TEST(MailLinkUrl, OpensFromTheGivenLength) {
    EXPECT_EQ(app::MailLinkUrl("a@b.hu", 5), "mailto:a@b.hu");
    EXPECT_EQ(app::MailLinkUrl("a@b", 5), "");           // list page: too short
    EXPECT_EQ(app::MailLinkUrl("a@b", 3), "mailto:a@b"); // search page opens it
    EXPECT_EQ(app::MailLinkUrl(" a@b ", 3), "mailto:a@b");
    EXPECT_EQ(app::MailLinkUrl("", 3), "");
    EXPECT_EQ(app::MailLinkUrl("éva@ő.hu", 8), "mailto:éva@ő.hu");
}

TEST(MailLinkUrl, TakesAStoredSchemeOnce) {
    const struct {
        const char* Stored;
        Integer MinLength;
        const char* Opened;
    } cases[] = {
        {"mailto:a@b.hu", 5, "mailto:a@b.hu"},
        {" MailTo: a@b.hu", 5, "mailto:a@b.hu"},             // any letter case, blanks dropped
        {"mailto:a@b", 5, ""},                               // the address alone is counted
        {"mailto:", 3, ""},                                  // no address at all
        {"mailto:mailto:a@b.hu", 5, "mailto:mailto:a@b.hu"}, // only the first is the scheme
        {"mailtoa@b.hu", 5, "mailto:mailtoa@b.hu"},          // no colon: all address
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::MailLinkUrl(c.Stored, c.MinLength), c.Opened) << c.Stored;
}

// A mail link carries the stored text as the address only: what would add headers
// (an attachment, copies) or end the address is encoded.
TEST(MailLinkUrl, CarriesTheAddressOnly) {
    EXPECT_EQ(app::MailLinkUrl("a@b.hu?attach=/etc/passwd", 5), "mailto:a@b.hu%3Fattach%3D%2Fetc%2Fpasswd");
    EXPECT_EQ(app::MailLinkUrl("a@b.hu&cc=x@y.hu", 5), "mailto:a@b.hu%26cc%3Dx@y.hu");
    EXPECT_EQ(app::MailLinkUrl("a@b.hu#x %41", 5), "mailto:a@b.hu%23x%20%2541");
    EXPECT_EQ(app::MailLinkUrl("kiss.eva+iroda@b.hu, nagy@c.hu", 5),
              "mailto:kiss.eva+iroda@b.hu,%20nagy@c.hu");
}

} // namespace
