#include "memory_window.h"

#include "window_description.h"

namespace lumetra::testing {

MemoryWindow::MemoryWindow(EventLog* log) : log_(log)
{
    for (const ui::ControlRow& row : ui::controlRows) {
        if (row.id.kind == ui::Kind::TextField) {
            texts_[index(row.id.textField())] = row.caption;
            looks_[index(row.id.textField())] = row.settings.look;
        } else if (row.id.kind == ui::Kind::CheckBox) {
            values_[index(row.id.checkBox())] = row.settings.value;
            enabled_[index(row.id.checkBox())] = row.settings.enabled;
        }
    }
}

std::string MemoryWindow::text(TextField field) const
{
    if (log_)
        log_->push_back("read " + std::string(nameOf(field)));
    return texts_[index(field)];
}

void MemoryWindow::setText(TextField field, const std::string& text)
{
    if (log_)
        log_->push_back("write " + std::string(nameOf(field)) + " " + text);
    texts_[index(field)] = text;
}

BoxValue MemoryWindow::value(CheckBox box) const
{
    if (log_)
        log_->push_back("read " + std::string(nameOf(box)));
    return values_[index(box)];
}

void MemoryWindow::showValue(CheckBox box, BoxValue value)
{
    if (log_)
        log_->push_back("value " + std::string(nameOf(box)) + " " + std::to_string(numberOf(value)));
    values_[index(box)] = value;
}

void MemoryWindow::setBoxEnabled(CheckBox box, bool enabled)
{
    if (log_)
        log_->push_back("enabled " + std::string(nameOf(box)) + (enabled ? " 1" : " 0"));
    enabled_[index(box)] = enabled;
}

void MemoryWindow::setLook(TextField field, ui::Look look)
{
    if (log_)
        log_->push_back("look " + std::string(nameOf(field)) + (look == ui::Look::ReadOnly ? " read-only" : " editable"));
    looks_[index(field)] = look;
}

void MemoryWindow::showMessage(const std::string& text)
{
    if (log_)
        log_->push_back("message " + text);
    messages_.push_back(text);
    if (whenMessageShown)
        whenMessageShown();
}

void MemoryWindow::unload()
{
    if (log_)
        log_->push_back("unload");
    unloaded_ = true;
}

EventLog eventsOfKind(const EventLog& log, const std::string& kind)
{
    EventLog out;
    for (const std::string& e : log)
        if (e.rfind(kind + " ", 0) == 0)
            out.push_back(e);
    return out;
}

}  // namespace lumetra::testing
