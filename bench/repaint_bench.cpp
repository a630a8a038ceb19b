// From a click on Calculate to every changed result field repainted, on the real window
// under X (the xcb platform). The click is a real one: the pointer is moved onto the
// button and its press and release are sent through the X server with XTest, so the
// time includes the server delivering the release, Qt reading it, the handler, the paint
// of every field whose text changed, the flush of the back buffer and a round trip that
// makes sure the server has taken the flushed picture.
//
//   repaint_bench [--clicks N] [--warmup N]
//
// Runs N timed clicks (default 61) in each direction after N warm-up clicks (default 5),
// the inputs alternating between two sets so that every click changes the results, and
// prints the median and the spread for each direction. Exits 1 when a click did not
// repaint what it changed within 2 s, or when a message box would have been shown.

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <xcb/xcb.h>

#include "application.h"
#include "fake_pointer.h"
#include "fields.h"
#include "frm_lumetra.h"
#include "qt_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double microsSince(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::micro>(end - start).count();
}

class CountingMessages : public lumetra::Messages {
public:
    void showMessage(const std::string& text) override
    {
        ++count;
        last = text;
    }
    int count = 0;
    std::string last;
};

// Sees every event the program handles; notes the paints of the fields being waited for
// and the moment the outermost event in which the last of them was painted returns, that
// is, after the repaint manager has flushed the back buffer.
class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && waiting.count(receiver) != 0) {
            waiting.erase(receiver);
            ++paints;
        }
        if (event->type() == QEvent::MouseButtonRelease && receiver == button && !releaseSeen) {
            releaseSeen = true;
            releaseAt = Clock::now();
        }
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        if (depth_ == 0 && armed && clickHandled && waiting.empty()) {
            armed = false;
            if (onRepainted)
                onRepainted();
        }
        return result;
    }

    QObject* button = nullptr;
    std::map<QObject*, int> waiting;
    bool armed = false;
    bool clickHandled = false;
    bool releaseSeen = false;
    Clock::time_point releaseAt;
    int paints = 0;
    std::function<void()> onRepainted;

private:
    int depth_ = 0;
};

struct Inputs {
    const char* field;
    const char* first;
    const char* second;
};

// Armadillo to 3dsMax: heading, pitch, strength and grid resolution change, so the
// position, the object scale and the 3dsMax strength change on every click.
const Inputs toMaxInputs[] = {
    {"txtHeading", "30.0", "60.0"},
    {"txtPitch", "45.0", "20.0"},
    {"txtDilloStrength", "40.000", "50.000"},
    {"txtGridRes", "3.0000", "2.0000"},
};

// 3dsMax to Armadillo: two positions well above the ground (no warning), two strengths
// and two object scales, so distance, pitch, heading, strength and grid resolution change.
const Inputs toArmadilloInputs[] = {
    {"txtX", "-300.000000", "100.000000"},
    {"txtY", "400.000000", "200.000000"},
    {"txtZ", "250.000000", "300.000000"},
    {"txtMaxStrength", "20.000000", "10.000000"},
    {"txtObjectScale", "50.000000", "20.000000"},
};

// The fields a user can see: the two below the client area are never painted.
const char* const visibleFields[] = {
    "txtHeading", "txtPitch",      "txtDilloStrength", "txtGridRes", "txtDistance", "txtObjectScale",
    "txtGridSize", "txtMaxStrength", "txtX",           "txtY",       "txtZ",
};

struct Stats {
    double median, min, p10, p90, max, mean;
};

Stats statsOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    auto at = [&](double q) { return values[static_cast<std::size_t>(q * static_cast<double>(n - 1) + 0.5)]; };
    double sum = 0;
    for (double v : values)
        sum += v;
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), at(0.1), at(0.9), values.back(), sum / static_cast<double>(n)};
}

class Bench {
public:
    Bench(BenchApplication& app, lumetra::ui::QtWindow& window, CountingMessages& messages, FakePointer& pointer,
          xcb_connection_t* qtConnection, int clicks, int warmup)
        : app_(app),
          window_(window),
          messages_(messages),
          pointer_(pointer),
          qtConnection_(qtConnection),
          clicks_(clicks),
          warmup_(warmup)
    {
        button_ = window.findChild<QPushButton*>(QStringLiteral("btnCalculate"));
        app.button = button_;
        // Connected after the window's own handler, so it runs once the results are written.
        QObject::connect(button_, &QPushButton::clicked, &window, [this] { clickHandled(); });
        app.onRepainted = [this] { repainted(); };
    }

    void start() { QTimer::singleShot(500, &window_, [this] { beginDirection(); }); }

    bool failed() const { return failed_; }

private:
    QLineEdit* field(const char* name) const { return window_.findChild<QLineEdit*>(QString::fromLatin1(name)); }

    void beginDirection()
    {
        if (direction_ == 1) {
            // The toggle's handlers switch every look; let the window repaint before timing.
            window_.findChild<QCheckBox*>(QStringLiteral("chkMax2Armadillo"))->click();
        }
        done_ = 0;
        times_.clear();
        fromRelease_.clear();
        QTimer::singleShot(100, &window_, [this] { prepareClick(); });
    }

    void prepareClick()
    {
        const bool second = (done_ % 2) == 1;
        if (direction_ == 0) {
            for (const Inputs& input : toMaxInputs)
                field(input.field)->setText(QString::fromLatin1(second ? input.second : input.first));
        } else {
            for (const Inputs& input : toArmadilloInputs)
                field(input.field)->setText(QString::fromLatin1(second ? input.second : input.first));
        }
        before_.clear();
        for (const char* name : visibleFields)
            before_[name] = field(name)->text();
        // Let the new inputs be painted, so that only the click's own repaint is timed.
        QTimer::singleShot(30, &window_, [this] { press(); });
    }

    void press()
    {
        const QPoint centre = button_->mapToGlobal(button_->rect().center());
        pointer_.moveTo(centre.x(), centre.y());
        pointer_.pressLeft();
        QTimer::singleShot(30, &window_, [this] { release(); });
    }

    void release()
    {
        if (!button_->isDown()) {
            fail("the button did not take the press (is the window under the pointer?)");
            return;
        }
        app_.waiting.clear();
        app_.clickHandled = false;
        app_.releaseSeen = false;
        app_.paints = 0;
        app_.armed = true;
        const int attempt = ++attempt_;
        QTimer::singleShot(2000, &window_, [this, attempt] {
            if (attempt == attempt_ && app_.armed)
                fail("no repaint of every changed field within 2 s");
        });
        clickAt_ = Clock::now();
        pointer_.releaseLeft();
    }

    void clickHandled()
    {
        if (!app_.armed)
            return;
        for (const char* name : visibleFields) {
            QLineEdit* edit = field(name);
            if (edit->text() != before_[name])
                app_.waiting[edit] = 1;
        }
        // From the second click on, every click swaps the input set and so changes five
        // results in either direction; the first starts from whatever the window held.
        if (app_.waiting.size() < (done_ == 0 ? 1u : 5u)) {
            fail("the click changed only " + std::to_string(app_.waiting.size()) + " fields");
            return;
        }
        changed_ = static_cast<int>(app_.waiting.size());
        app_.clickHandled = true;
    }

    void repainted()
    {
        // The flush has been sent; a round trip on the program's own connection returns once
        // the server has handled it.
        std::free(xcb_get_input_focus_reply(qtConnection_, xcb_get_input_focus(qtConnection_), nullptr));
        const auto end = Clock::now();
        if (messages_.count != 0) {
            fail("a message was shown: " + messages_.last);
            return;
        }
        if (done_ >= warmup_) {
            times_.push_back(microsSince(clickAt_, end));
            fromRelease_.push_back(microsSince(app_.releaseAt, end));
        }
        ++done_;
        if (done_ < warmup_ + clicks_) {
            QTimer::singleShot(20, &window_, [this] { prepareClick(); });
            return;
        }
        report();
        if (++direction_ < 2)
            QTimer::singleShot(100, &window_, [this] { beginDirection(); });
        else
            QApplication::quit();
    }

    void report()
    {
        const Stats s = statsOf(times_);
        const Stats r = statsOf(fromRelease_);
        std::printf("%s: %d clicks (after %d warm-up), %d fields repainted per click\n",
                    direction_ == 0 ? "Armadillo to 3dsMax" : "3dsMax to Armadillo", clicks_, warmup_, changed_);
        std::printf("  click sent -> repainted and flushed (ms): median %.3f  min %.3f  p10 %.3f  p90 %.3f  max %.3f  "
                    "mean %.3f\n",
                    s.median / 1000, s.min / 1000, s.p10 / 1000, s.p90 / 1000, s.max / 1000, s.mean / 1000);
        std::printf("  release read by Qt -> repainted and flushed (ms): median %.3f  min %.3f  max %.3f\n",
                    r.median / 1000, r.min / 1000, r.max / 1000);
        std::printf("  target: median <= 16 ms: %s\n", s.median <= 16000 ? "within target" : "ABOVE TARGET");
        std::fflush(stdout);
    }

    void fail(const std::string& why)
    {
        std::fprintf(stderr, "repaint_bench: %s\n", why.c_str());
        failed_ = true;
        app_.armed = false;
        pointer_.releaseLeft();
        QApplication::exit(1);
    }

    BenchApplication& app_;
    lumetra::ui::QtWindow& window_;
    CountingMessages& messages_;
    FakePointer& pointer_;
    xcb_connection_t* qtConnection_;
    QPushButton* button_ = nullptr;
    int clicks_;
    int warmup_;
    int direction_ = 0;
    int done_ = 0;
    int attempt_ = 0;
    int changed_ = 0;
    bool failed_ = false;
    Clock::time_point clickAt_;
    std::map<std::string, QString> before_;
    std::vector<double> times_;
    std::vector<double> fromRelease_;
};

int number(const char* text, const char* what)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0 || value > 100000) {
        std::fprintf(stderr, "repaint_bench: %s must be a whole number, not '%s'\n", what, text);
        std::exit(2);
    }
    return static_cast<int>(value);
}

}  // namespace

int main(int argc, char* argv[])
{
    int clicks = 61;
    int warmup = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--clicks") == 0 && i + 1 < argc)
            clicks = number(argv[++i], "--clicks");
        else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc)
            warmup = number(argv[++i], "--warmup");
        else {
            std::fputs("usage: repaint_bench [--clicks N] [--warmup N]\n", stderr);
            return 2;
        }
    }
    if (clicks < 1) {
        std::fputs("repaint_bench: --clicks must be at least 1\n", stderr);
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "xcb");
    BenchApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    lumetra::ui::setUpApplication(app);

    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    FakePointer pointer;
    if (!x11 || !pointer.ready()) {
        std::fputs("repaint_bench: needs an X display with the XTEST extension\n", stderr);
        return 2;
    }

    CountingMessages messages;
    lumetra::ui::QtWindow window(&messages);
    lumetra::ui::FrmLumetra form(window);
    window.setUserEvents(&form);
    window.show();
    Bench bench(app, window, messages, pointer, x11->connection(), clicks, warmup);
    bench.start();
    const int status = QApplication::exec();
    return bench.failed() ? 1 : status;
}
