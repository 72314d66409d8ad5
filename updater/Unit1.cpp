#include "updater/Unit1.h"

#include "framework/core/Error.h"
#include "framework/core/FormatSettings.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/app/MessageDialog.h"
#include "framework/system/ResourceStream.h"
#include "framework/ui/description/FrameworkProperties.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/PayloadExtractor.h"
#include "updater/logic/InstallationCheck.h"

#include <windows.h>

namespace velmora {
namespace {

constexpr const char* missingFolderMessage = "Calea Velmora lipseste din registru!";
constexpr const char* closeVelmoraFirstMessage = "Inchideti mai intai Velmora!";

void pumpPendingMessages() { fw::Application::instance().processMessages(); }

std::string builtInVersionText() { return builtInVersion.text(fw::formatSettings().decimalSeparator); }

// The form is made bare; everything it shows comes from the description.
fw::Form::CreateArgs bareForm()
{
    fw::Form::CreateArgs args;
    args.className = "TForm1";
    args.borderStyle = fw::bsSizeable;
    args.borderIcons = fw::TBorderIcons{};
    args.position = fw::poDesigned;
    return args;
}

std::string_view embeddedDescription()
{
    const fw::ResourceStream resource("LAYOUT", "TFORM1");
    return {reinterpret_cast<const char*>(resource.bytes().data()), resource.size()};
}

}  // namespace

const fw::ClassRegistry& TForm1::classes()
{
    static const fw::ClassRegistry registry = [] {
        fw::ClassRegistry made;
        fw::registerFrameworkClasses(made);
        made.add(lb::TLbSpeedButton::classInfo());
        made.add(fw::ClassInfo{"TForm1", typeid(TForm1), {}, fw::formProperties()});
        return made;
    }();
    return registry;
}

TForm1::TForm1(const std::string& recordKeyPath) : TForm1(recordKeyPath, embeddedDescription()) {}

TForm1::TForm1(const std::string& recordKeyPath, std::string_view description)
    : fw::Form(bareForm()), recordKeyPath_(recordKeyPath)
{
    fw::HandlerRegistry handlers;
    handlers.add("FormCreate", std::function<void()>([this] { FormCreate(); }));
    handlers.add("FormShow", std::function<void()>([this] { FormShow(); }));
    handlers.add("FormKeyDown", std::function<void(int&)>([this](int& key) { FormKeyDown(key); }));
    handlers.add("Timer1Timer", std::function<void()>([this] { Timer1Timer(); }));
    handlers.add("Button2Click", fw::NotifyEvent([this](fw::Component&) { Button2Click(); }));
    handlers.add("Button1Click", fw::NotifyEvent([this](fw::Component&) { Button1Click(); }));
    fw::ReadContext context(classes(), handlers);
    try {
        fw::readDescription(*this, description, context);
    } catch (const fw::DescriptionError& error) {
        throw fw::Error(std::string("The window description of Form1 cannot be read. ") + error.what());
    }
    Panel1 = child<fw::Panel>("Panel1");
    Memo1 = child<fw::Memo>("Memo1");
    Button2 = child<lb::TLbSpeedButton>("Button2");
    LbSpeedButton1 = child<lb::TLbSpeedButton>("LbSpeedButton1");
    Timer1 = child<fw::Timer>("Timer1");
}

template <typename T>
T* TForm1::child(const std::string& name) const
{
    auto* found = dynamic_cast<T*>(findComponent(name));
    if (!found)
        throw fw::Error("The window description of Form1 has no " + name + " of the class the program needs");
    return found;
}

void TForm1::FormCreate()
{
    pumpPendingMessages();
    // Every version text this program shows or writes uses "." whatever the user's locale.
    fw::FormatSettings& settings = fw::formatSettings();
    settings.decimalSeparator = '.';
    settings.thousandSeparator = ',';
    settings.dateSeparator = '.';
    settings.shortDateFormat = "dd.MM.yyyy";
    pumpPendingMessages();
}

void TForm1::FormShow()
{
    pumpPendingMessages();
    setCaption("Velmora - UpGrade v." + builtInVersionText());
    Timer1->setEnabled(true);
}

void TForm1::FormKeyDown(int& key)
{
    if (key == VK_ESCAPE)
        fw::Application::instance().terminate();
}

void TForm1::Button1Click() { fw::Application::instance().terminate(); }

void TForm1::Timer1Timer()
{
    Timer1->setEnabled(false);  // the check runs once per run

    const InstalledVersionRecord record(recordKeyPath_);
    installationFolder_ = record.read(folderValueName);
    const std::string versionValue = record.read(versionValueName);

    const InstallationReport report = checkInstallation({installationFolder_, versionValue}, builtInVersion,
                                                        fw::formatSettings().decimalSeparator);
    for (const std::string& line : report.lines)
        Memo1->addLine(line);
    if (report.updateCaption)
        Button2->setCaption(*report.updateCaption);
    Button2->setEnabled(report.updateEnabled);
    if (report.error)
        throw fw::ConvertError(*report.error);
}

void TForm1::Button2Click()
{
    // Without a folder the target would be "\Velmora.exe" at the root of the current drive.
    if (installationFolder_.empty()) {
        fw::showMessageDialog(missingFolderMessage, fw::DialogType::Error);
        return;
    }
    const std::string target = installationFolder_ + "\\Velmora.exe";
    // While the update waits for a file that another program holds for a moment, the button keeps
    // the down face of the press that started it, which shows that it is at work; the wait takes
    // no input (framework/system/InputlessWait.h), so a second click or Enter does nothing. The
    // button stays enabled: disabling it would pass a keyboard user's focus on to "Inchide".
    if (!extractPayload(payloadResourceType, payloadResourceName, target)) {
        fw::showMessageDialog(closeVelmoraFirstMessage, fw::DialogType::Error);
        return;
    }
    Memo1->addLine("Versiune actualizata.");
    InstalledVersionRecord(recordKeyPath_).write(versionValueName, "Velmora " + builtInVersionText());
    fw::showMessageDialog("Velmora a fost actualizat la versiunea " + builtInVersionText() + ".",
                          fw::DialogType::Information);
}

}  // namespace velmora
