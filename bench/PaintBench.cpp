// What a user feels of the buttons: one face paint (at 96 DPI, and the gold face at 144 DPI), one
// full repaint (what a hover costs) and the step of a slow fade, each next to its floor measured
// here in the same run.
//
//   ui_bench.exe   (under Wine: see scripts/bench.sh)

#include "BenchStatistics.h"

#include "buttons/LbButtons.h"
#include "buttons/LbSpeedButton.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/Panel.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

constexpr int faceWidth = 201;
constexpr int faceHeight = 31;
constexpr int scaledDpi = 144;  // 150 %, a common laptop setting
constexpr int runs = 2000;

lb::LbFaceInputs updaterFace(const fw::Font& font, lb::TLbSpeedButtonStyle style)
{
    lb::LbFaceInputs inputs;
    inputs.width = faceWidth;
    inputs.height = faceHeight;
    inputs.style = style;
    inputs.color = 0x00C0C0;
    inputs.hotTrackColor = 0x00DFDF;
    inputs.lightColor = fw::clYellow;
    inputs.shadowColor = fw::clOlive;
    inputs.font = &font;
    inputs.caption = "Actualizare la versiunea 2.25";
    inputs.alignment = lb::taCenter;
    return inputs;
}

// Floor: one copy of a bitmap of the face's size between memory DCs.
bench::Figure timeBlit(int width, int height)
{
    fw::Bitmap source(width, height);
    fw::Bitmap target(width, height);
    return bench::summarise(bench::timeRuns(runs, [&] {
        BitBlt(target.canvasHandle(), 0, 0, width, height, source.canvasHandle(), 0, 0, SRCCOPY);
        GdiFlush();
    }));
}

// A short fingerprint of a bitmap's pixels, to show that a faster painter paints the same.
std::uint32_t fingerprint(const fw::Bitmap& bitmap)
{
    std::uint32_t hash = 2166136261u;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            hash = (hash ^ bitmap.pixel(x, y)) * 16777619u;
    return hash;
}

class TimedButton : public lb::TLbSpeedButton {
public:
    using TLbSpeedButton::TLbSpeedButton;
    std::vector<std::chrono::steady_clock::time_point> paints;
    void paint(fw::Canvas& canvas) override
    {
        paints.push_back(std::chrono::steady_clock::now());
        TLbSpeedButton::paint(canvas);
    }
};

}  // namespace

int main()
{
    fw::Application::instance().initialize();
    fw::Font font;
    font.setBold(true);
    font.setColor(0x005555);

    const bench::Figure blit = timeBlit(faceWidth, faceHeight);

    bench::printHeader();
    bench::printRow("BitBlt 201 x 31 (the floor)", blit, blit, "us", "");
    const char* const styleNames[] = {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"};
    for (lb::TLbSpeedButtonStyle style :
         {lb::bsModern, lb::bsNormal, lb::bsEncarta, lb::bsOld, lb::bsShape, lb::bsQuicken}) {
        fw::Bitmap face(faceWidth, faceHeight);
        const lb::LbFaceInputs inputs = updaterFace(font, style);
        const bench::Figure paint = bench::summarise(bench::timeRuns(runs, [&] {
            lb::LbPaintFace(face.canvas(), inputs);
            GdiFlush();
        }));
        std::string name = std::string("LbPaintFace ") + styleNames[style] + " with caption";
        char print[32];
        std::snprintf(print, sizeof print, " [%08x]", fingerprint(face));
        bench::printRow(name + print, paint, blit, "us", style == lb::bsModern ? "< 30 us" : "report");
    }

    // The gold face at 144 DPI: its real size, and its caption font made at that size as the
    // framework makes a control's font.
    {
        fw::Font scaledFont(font);
        scaledFont.setHeight(fw::scaleForDpi(font.height(), scaledDpi));
        lb::LbFaceInputs inputs = updaterFace(scaledFont, lb::bsModern);
        inputs.width = fw::scaleForDpi(faceWidth, scaledDpi);
        inputs.height = fw::scaleForDpi(faceHeight, scaledDpi);
        inputs.dpi = scaledDpi;
        const bench::Figure scaledBlit = timeBlit(inputs.width, inputs.height);
        fw::Bitmap face(inputs.width, inputs.height);
        const bench::Figure paint = bench::summarise(bench::timeRuns(runs, [&] {
            lb::LbPaintFace(face.canvas(), inputs);
            GdiFlush();
        }));
        char floorName[64];
        std::snprintf(floorName, sizeof floorName, "BitBlt %d x %d (the floor at %d DPI)", inputs.width,
                      inputs.height, scaledDpi);
        char paintName[64];
        std::snprintf(paintName, sizeof paintName, "LbPaintFace bsModern at %d DPI [%08x]", scaledDpi,
                      fingerprint(face));
        bench::printRow(floorName, scaledBlit, scaledBlit, "us", "");
        bench::printRow(paintName, paint, scaledBlit, "us", "report");
    }

    // A full repaint of the updater's gold button on a window: bitmap, face, see-through copy.
    fw::Form::CreateArgs args;
    args.className = "PaintBenchForm";
    fw::Form form(args);
    ShowWindow(form.handle(), SW_SHOWNA);
    fw::Panel panel(form.handle(), {0, 0, 300, 100}, 0x5BCECB, form.font());
    TimedButton button(&form);
    button.setParent(&panel);
    button.setBounds({16, 20, faceWidth, faceHeight});
    button.setColorStyle(lb::lcsGold);
    button.font().setBold(true);
    button.setCaption("Actualizare la versiunea 2.25");
    button.setAlignment(lb::taCenter);
    fw::Application::instance().processMessages();
    const bench::Figure repaint = bench::summarise(bench::timeRuns(runs, [&] {
        button.paintNow();
        GdiFlush();
    }));
    bench::printRow("full repaint of the gold button (a hover)", repaint, blit, "us", "< 60 us");

    // The slow fade: the time between steps, against the 30 ms the worker sleeps.
    button.setSlowDecease(true);
    std::vector<double> intervals;
    for (int fade = 0; fade < 12; ++fade) {
        button.perform(fw::message::mouseEnter);
        button.paints.clear();
        button.perform(fw::message::mouseLeave);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (button.paints.size() < 8 && std::chrono::steady_clock::now() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            fw::Application::instance().processMessages();
        }
        for (std::size_t step = 1; step < button.paints.size(); ++step)
            intervals.push_back(
                std::chrono::duration<double, std::milli>(button.paints[step] - button.paints[step - 1]).count());
    }
    const bench::Figure thirty{30, 30, 30};
    bench::printRow("fade step interval (SlowDecease)", bench::summarise(intervals), thirty, "ms", "median 30 to 35 ms");
    button.setSlowDecease(false);
    return 0;
}
