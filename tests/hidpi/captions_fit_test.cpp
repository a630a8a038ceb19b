// At twice the pixel density every caption and every field's text must still fit its
// control. The window is laid out in logical pixels, but the text is measured and drawn
// with the font rendered at the doubled density, whose advances are not simply the
// single-density ones: what fits at scale 1 can be cut at scale 2.
//
// Each visible control is checked against the text area that the style gives it, with
// the control's own font metrics (which, with the scale factor in effect, are those of
// the doubled rendering), and against its container's bounds.

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <cctype>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <ostream>
#include <vector>

#include "application.h"
#include "qt_window.h"
#include "window_description.h"

namespace {

using lumetra::ui::ControlRow;
using lumetra::ui::controlRows;
using lumetra::ui::QtWindow;
using lumetra::ui::Kind;

// Texts that Calculate writes, some longer than the stored ones or than the typing limit.
struct FieldText {
    const char* name;
    const char* field;
    const char* text;
};

const FieldText resultTexts[] = {
    {"the position X after a heading of 30", "txtX", "-612.372436"},
    {"the position Y after a heading of 30", "txtY", "353.553391"},
    {"the position Z after a pitch of 45", "txtZ", "707.106781"},
    {"a pitch below minus ten written back in the other direction", "txtPitch", "-45.0"},
};

class Scale2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QtWindow>();
        window->show();
        ASSERT_TRUE(window->windowHandle() != nullptr);
    }

    std::unique_ptr<QtWindow> window;
};

TEST_F(Scale2, TheWindowIsDrawnAtTwiceItsPixels)
{
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), 2.0);
    EXPECT_EQ(window->size(), QSize(377, 343));
    const QImage picture = window->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(754, 686));
}

TEST_F(Scale2, TheWindowIconOffersSharpRenderingsForTheDoubledTitleBarAndTaskSwitcher)
{
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(64, 64)));
    EXPECT_TRUE(sizes.contains(QSize(128, 128)));
    // The 32-pixel icon at scale 2 takes a 64-pixel image, not an enlarged 32-pixel one.
    const QPixmap pixmap = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(64, 64));
}

// Test names and listings show the control's name rather than the row's address.
void PrintTo(const FieldText& row, std::ostream* os) { *os << row.name; }

}  // namespace

namespace lumetra::ui {
void PrintTo(const ControlRow* row, std::ostream* os) { *os << row->name(); }
}  // namespace lumetra::ui

namespace {

class ControlFits : public Scale2, public ::testing::WithParamInterface<const ControlRow*> {
protected:
    QWidget* control() const
    {
        const std::string_view name = GetParam()->name();
        return window->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
};

// Room added to a control to draw it without any cut.
constexpr int extraRoom = 40;

int frameOf(QWidget* widget) { return widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget); }

// The control as drawn at the given size, at the screen's pixel density.
QImage picture(QWidget* widget, QSize size)
{
    const QSize kept = widget->size();
    widget->resize(size);
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    widget->resize(kept);
    return image;
}

std::string describe(const QRectF& rect)
{
    return std::to_string(rect.left()) + "," + std::to_string(rect.top()) + " " + std::to_string(rect.width()) + "x" +
           std::to_string(rect.height());
}

// Only the controls that show a caption or a stored text.
class CaptionFits : public ControlFits {};

TEST_P(CaptionFits, ItsTextFitsInsideIt)
{
    QWidget* widget = control();
    ASSERT_NE(widget, nullptr);
    const QFontMetricsF metrics(widget->font(), widget);
    QString text;
    QRectF area;  // where the style lets the text be drawn, in the control's coordinates
    switch (GetParam()->id.kind) {
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(widget);
        text = label->text();
        area = label->contentsRect();
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        text = box->text();
        area = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        break;
    }
    case Kind::PushButton: {
        auto* button = static_cast<QPushButton*>(widget);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        // The ampersand marks the access key and is not drawn.
        text = QString(button->text()).remove(QLatin1Char('&'));
        area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        break;
    }
    case Kind::TextField: {
        auto* edit = static_cast<QLineEdit*>(widget);
        text = edit->text();
        area = QRectF(edit->rect()).adjusted(0, frameOf(edit), 0, -frameOf(edit));
        break;
    }
    case Kind::Frame: {
        auto* frame = static_cast<QGroupBox*>(widget);
        text = frame->title();
        // The caption is set into the border after a short indent, with a little room either side.
        area = QRectF(frame->rect()).adjusted(7 + 2, 0, -2, 0);
        break;
    }
    }
    ASSERT_FALSE(text.isEmpty()) << "the control does not show its stored caption or text";
    EXPECT_LE(metrics.height(), area.height()) << "'" << text.toStdString() << "' is " << metrics.height()
                                               << " pixels high, has " << describe(area);
    const Kind kind = GetParam()->id.kind;
    if (kind == Kind::PushButton || kind == Kind::Frame) {
        // Centred or indented: measured against the room the style leaves.
        EXPECT_LE(metrics.horizontalAdvance(text), area.width())
            << "'" << text.toStdString() << "' needs " << metrics.horizontalAdvance(text) << " pixels, has "
            << describe(area);
        return;
    }
    // Left-aligned text: drawn as it is and drawn with room to spare, the control must look
    // the same over its own width, and the room beyond must stay empty.
    const QSize size = widget->size();
    const QImage drawn = picture(widget, size);
    const QImage roomy = picture(widget, size + QSize(extraRoom, 0));
    const qreal ratio = drawn.devicePixelRatio();
    ASSERT_EQ(ratio, 2.0);
    // A text field's right frame moves with its width: compare up to its inner margin.
    const int inner = kind == Kind::TextField ? frameOf(widget) + 2 : 0;
    const int compared = static_cast<int>((size.width() - inner) * ratio);
    const int rows = static_cast<int>(size.height() * ratio);
    int differing = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < compared; ++x)
            differing += drawn.pixel(x, y) != roomy.pixel(x, y);
    EXPECT_EQ(differing, 0) << "'" << text.toStdString() << "' is cut: " << differing
                            << " device pixels change when the control has more room";
    const QRgb empty = roomy.pixel(compared, rows / 2 - 1);
    int inked = 0;
    for (int y = static_cast<int>(inner * ratio); y < rows - static_cast<int>(inner * ratio); ++y)
        for (int x = compared; x < static_cast<int>((size.width() + extraRoom - inner) * ratio); ++x)
            inked += roomy.pixel(x, y) != empty;
    EXPECT_EQ(inked, 0) << "'" << text.toStdString() << "' reaches " << inked
                        << " device pixels beyond the control's width";
}

TEST_P(ControlFits, ItLiesWithinItsContainer)
{
    QWidget* widget = control();
    ASSERT_NE(widget, nullptr);
    const QRect bounds = widget->parentWidget()->rect();
    EXPECT_TRUE(bounds.contains(widget->geometry()))
        << "geometry " << describe(widget->geometry()) << " outside " << describe(bounds);
}

// The controls a user sees: those below the client area never are.
std::vector<const ControlRow*> visibleRows()
{
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : controlRows) {
        if (row.container == lumetra::ui::noRow && row.top >= lumetra::ui::windowRow.clientHeight)
            continue;
        rows.push_back(&row);
    }
    return rows;
}

std::vector<const ControlRow*> visibleRowsWithText()
{
    std::vector<const ControlRow*> rows = visibleRows();
    std::erase_if(rows, [](const ControlRow* row) { return row->caption.empty(); });
    return rows;
}

constexpr auto controlName = [](const auto& info) { return std::string(info.param->name()); };
INSTANTIATE_TEST_SUITE_P(EveryVisibleControl, ControlFits, ::testing::ValuesIn(visibleRows()), controlName);
INSTANTIATE_TEST_SUITE_P(EveryVisibleCaption, CaptionFits, ::testing::ValuesIn(visibleRowsWithText()), controlName);

class FieldTextFits : public Scale2, public ::testing::WithParamInterface<FieldText> {};

TEST_P(FieldTextFits, TheTextFitsItsField)
{
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(GetParam().field));
    ASSERT_NE(edit, nullptr);
    const QString text = QString::fromLatin1(GetParam().text);
    const QFontMetricsF metrics(edit->font(), edit);
    // Inside the frame the line edit keeps two pixels either side of the text.
    const qreal room = edit->width() - 2 * frameOf(edit) - 4;
    EXPECT_LE(metrics.horizontalAdvance(text), room) << "'" << text.toStdString() << "' in " << GetParam().field;
}

INSTANTIATE_TEST_SUITE_P(WrittenResults, FieldTextFits, ::testing::ValuesIn(resultTexts),
                         [](const auto& info) {
                             std::string name;
                             bool upper = true;
                             for (const char* c = info.param.name; *c; ++c) {
                                 if (*c == ' ' || *c == '-') {
                                     upper = true;
                                     continue;
                                 }
                                 name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
                                 upper = false;
                             }
                             return name;
                         });

}  // namespace

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    lumetra::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
