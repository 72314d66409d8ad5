// The updater window's buttons as a screen reader finds them, before and after the installation
// check. In-process, with the check run by hand, "before" is certain; the end-to-end tests read
// the real program from another process once its timer has run the check.

#include "updater/Unit1.h"

#include "framework/ui/accessibility/Accessibility.h"
#include "tests/AccessibleClient.h"
#include "updater/InstalledVersionRecord.h"

#include <gtest/gtest.h>

TEST(TForm1Accessible, ButtonsBeforeAndAfterTheCheckOfAnOlderInstallation)
{
    using namespace accessible_client;
    const std::string keyPath = "Software\\Korvand\\unit1-accessible-" + std::to_string(GetCurrentProcessId());
    struct KeyRemover {
        const std::string& path;
        ~KeyRemover() { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0); }
    } remover{keyPath};
    velmora::InstalledVersionRecord record(keyPath);
    record.write("CALE", "C:\\Program Files\\Velmora");
    record.write("VER", "Velmora 2.2");
    ComApartment apartment;
    fw::enableAccessibility();  // as the application does when it initialises
    velmora::TForm1 form(keyPath);
    fw::ComPtr<IAccessible> panel = objectFromWindow(form.Panel1->handle());
    ASSERT_TRUE(panel);

    // The window is not shown in this test, so every button says it is invisible.
    // The update button is the form's default, the one Enter presses; both are tab stops.
    constexpr long hidden = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_FOCUSABLE;
    constexpr long isDefault = STATE_SYSTEM_DEFAULT;
    EXPECT_EQ(describeChildren(panel.get(), form.Panel1->handle()),
              (std::vector<std::string>{pushButton("Cautare...", STATE_SYSTEM_UNAVAILABLE | hidden | isDefault),
                                        pushButton("Inchide", hidden), "window Edit"}));
    form.Timer1Timer();
    const std::string updateName = "Actualizare la versiunea " + velmora::builtInVersion.text('.');
    EXPECT_EQ(describeChildren(panel.get(), form.Panel1->handle()),
              (std::vector<std::string>{pushButton(updateName, hidden | isDefault), pushButton("Inchide", hidden),
                                        "window Edit"}));
}
