// The updater window's buttons as a screen reader finds them, before and after the installation
// check, in-process: the check is run by hand here, so "before" is certain (the end-to-end tests
// read the real program from another process, once its timer has run the check).

#include "updater/Unit1.h"

#include "tests/AccessibleClient.h"
#include "updater/InstalledVersionRecord.h"

#include <gtest/gtest.h>

namespace {

struct Seen {
    std::string name;
    long role;
    long state;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Seen& seen)
    {
        return out << seen.name << " (role " << seen.role << ", state 0x" << std::hex << seen.state << std::dec << ")";
    }
};

std::vector<Seen> windowLessChildren(IAccessible* panel)
{
    std::vector<Seen> seen;
    for (const accessible_client::Element& child : accessible_client::children(panel))
        if (accessible_client::role(child) == ROLE_SYSTEM_PUSHBUTTON)
            seen.push_back(Seen{accessible_client::name(child), accessible_client::role(child),
                                accessible_client::state(child)});
    return seen;
}

}  // namespace

TEST(TForm1Accessible, ButtonsBeforeAndAfterTheCheckOfAnOlderInstallation)
{
    const std::string keyPath = "Software\\Korvand\\unit1-accessible-" + std::to_string(GetCurrentProcessId());
    struct KeyRemover {
        const std::string& path;
        ~KeyRemover() { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0); }
    } remover{keyPath};
    velmora::InstalledVersionRecord record(keyPath);
    record.write("CALE", "C:\\Program Files\\Velmora");
    record.write("VER", "Velmora 2.2");
    accessible_client::ComApartment apartment;
    velmora::TForm1 form(keyPath);
    fw::ComPtr<IAccessible> panel = accessible_client::objectFromWindow(form.Panel1.handle());
    ASSERT_TRUE(panel);
    long count = 0;
    EXPECT_EQ(panel->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3) << "two buttons and the report box";

    // The window is not shown in this test: every button says it is invisible.
    constexpr long hidden = STATE_SYSTEM_INVISIBLE;
    EXPECT_EQ(windowLessChildren(panel.get()),
              (std::vector<Seen>{{"Cautare...", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_UNAVAILABLE | hidden},
                                 {"Inchide", ROLE_SYSTEM_PUSHBUTTON, hidden}}));
    form.Timer1Timer();
    EXPECT_EQ(windowLessChildren(panel.get()),
              (std::vector<Seen>{{"Actualizare la versiunea " + velmora::builtInVersion.text('.'),
                                  ROLE_SYSTEM_PUSHBUTTON, hidden},
                                 {"Inchide", ROLE_SYSTEM_PUSHBUTTON, hidden}}));
}
