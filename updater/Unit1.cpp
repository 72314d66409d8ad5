#include "updater/Unit1.h"

#include "framework/core/Error.h"
#include "framework/core/FormatSettings.h"
#include "framework/ui/Application.h"
#include "framework/ui/MessageDialog.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/PayloadExtractor.h"
#include "updater/logic/InstallationCheck.h"

#include <windows.h>

namespace velmora {
namespace {

// Window layout, in pixels at 96 pixels per inch.
constexpr fw::TColor formColor = 0x1B5655;  // also the see-through colour key
constexpr fw::Rect panelBounds{8, 8, 425, 161};
constexpr fw::TColor panelColor = 0x5BCECB;
constexpr fw::Rect memoBounds{16, 16, 393, 97};
constexpr fw::TColor memoColor = 0xAFE7E6;
constexpr fw::Rect updateButtonBounds{16, 120, 201, 31};
constexpr fw::Rect closeButtonBounds{300, 120, 108, 31};
constexpr unsigned startupDelayMilliseconds = 1000;

constexpr fw::TColor buttonColor = 0x00C0C0;
constexpr fw::TColor buttonHotTrackColor = 0x00DFDF;
constexpr fw::TColor buttonFontColor = 0x005555;

constexpr const char* missingFolderMessage = "Calea Velmora lipseste din registru!";
constexpr const char* closeVelmoraFirstMessage = "Inchideti mai intai Velmora!";

void pumpPendingMessages() { fw::Application::instance().processMessages(); }

std::string builtInVersionText() { return builtInVersion.text(fw::formatSettings().decimalSeparator); }

}  // namespace

fw::Form::CreateArgs TForm1::createArgs()
{
    fw::Form::CreateArgs args;
    args.className = "TForm1";
    args.clientWidth = 441;
    args.clientHeight = 179;
    args.color = formColor;
    args.transparentColorKey = formColor;
    args.isTopMost = true;
    args.keyPreview = true;
    args.iconResource = "MAINICON";
    args.fontName = "MS Sans Serif";
    args.fontHeight = -11;
    return args;
}

TForm1::TForm1(const std::string& recordKeyPath)
    : fw::Form(createArgs()),
      recordKeyPath_(recordKeyPath),
      Panel1(handle(), panelBounds, panelColor, font(), this),
      Memo1(Panel1.handle(), memoBounds, memoColor, Panel1.font().handle()),
      Button2(this),
      LbSpeedButton1(this),
      Timer1(startupDelayMilliseconds)
{
    setName("Form1");
    Panel1.setName("Panel1");
    setUpButton(Button2, "Button2", updateButtonBounds, "Cautare...");
    Button2.setEnabled(false);
    setUpButton(LbSpeedButton1, "LbSpeedButton1", closeButtonBounds, "Inchide");

    onShow = [this] { FormShow(); };
    onKeyDown = [this](int& key) { FormKeyDown(key); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Button2.onClick = [this](fw::Component&) { Button2Click(); };
    LbSpeedButton1.onClick = [this](fw::Component&) { Button1Click(); };

    FormCreate();
}

void TForm1::setUpButton(lb::TLbSpeedButton& button, const std::string& name, fw::Rect bounds,
                         const std::string& caption)
{
    // Set up as a window description is read: every value stored, one paint at the end.
    button.beginLoading();
    button.setName(name);
    button.setParent(&Panel1);
    button.setBounds(bounds);
    button.setCursor(fw::Cursor::HandPoint);
    button.setCaption(caption);
    button.setAlignment(lb::taCenter);
    button.setStyle(lb::bsModern);  // bsNormal on a display of 256 colours or fewer
    button.setColor(buttonColor);
    button.font().setName("MS Sans Serif");
    button.font().setHeight(-11);
    button.font().setBold(true);
    button.font().setColor(buttonFontColor);
    button.setHotTrackColor(buttonHotTrackColor);
    fw::Font hotTrackFont;  // "MS Sans Serif", -11, regular, window text: the defaults
    button.setHotTrackFont(hotTrackFont);
    button.setLightColor(fw::clYellow);
    button.setShadowColor(fw::clOlive);
    button.loaded();
    button.invalidate();
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
    Timer1.setEnabled(true);
}

void TForm1::FormKeyDown(int& key)
{
    if (key == VK_ESCAPE)
        fw::Application::instance().terminate();
}

void TForm1::Button1Click() { fw::Application::instance().terminate(); }

void TForm1::Timer1Timer()
{
    Timer1.setEnabled(false);  // the check runs once per run

    const InstalledVersionRecord record(recordKeyPath_);
    installationFolder_ = record.read(folderValueName);
    const std::string versionValue = record.read(versionValueName);

    const InstallationReport report = checkInstallation({installationFolder_, versionValue}, builtInVersion,
                                                        fw::formatSettings().decimalSeparator);
    for (const std::string& line : report.lines)
        Memo1.addLine(line);
    if (report.updateCaption)
        Button2.setCaption(*report.updateCaption);
    Button2.setEnabled(report.updateEnabled);
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
    if (!extractPayload(payloadResourceType, payloadResourceName, target)) {
        fw::showMessageDialog(closeVelmoraFirstMessage, fw::DialogType::Error);
        return;
    }
    Memo1.addLine("Versiune actualizata.");
    InstalledVersionRecord(recordKeyPath_).write(versionValueName, "Velmora " + builtInVersionText());
    fw::showMessageDialog("Velmora a fost actualizat la versiunea " + builtInVersionText() + ".",
                          fw::DialogType::Information);
}

}  // namespace velmora
