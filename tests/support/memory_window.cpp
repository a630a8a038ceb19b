#include "memory_window.h"

#include "window_description.h"

namespace lumetra::testing {

MemoryWindow::MemoryWindow(EventLog* log) : log_(log)
{
    for (const ui::ControlRow& row : ui::controlRows) {
        if (const auto field = ui::textFieldNamed(row.name)) {
            texts_[index(*field)] = row.caption;
            locked_[index(*field)] = ui::lockedOf(row.settings.look);
            backColors_[index(*field)] = ui::backColorOf(row.settings.look);
        } else if (const auto box = ui::checkBoxNamed(row.name)) {
            values_[index(*box)] = row.settings.value;
            enabled_[index(*box)] = row.settings.enabled;
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

int MemoryWindow::value(CheckBox box) const
{
    if (log_)
        log_->push_back("read " + std::string(nameOf(box)));
    return values_[index(box)];
}

void MemoryWindow::showValue(CheckBox box, int value)
{
    if (log_)
        log_->push_back("value " + std::string(nameOf(box)) + " " + std::to_string(value));
    values_[index(box)] = value;
}

void MemoryWindow::setBoxEnabled(CheckBox box, bool enabled)
{
    if (log_)
        log_->push_back("enabled " + std::string(nameOf(box)) + (enabled ? " 1" : " 0"));
    enabled_[index(box)] = enabled;
}

void MemoryWindow::setLocked(TextField field, bool locked)
{
    if (log_)
        log_->push_back("locked " + std::string(nameOf(field)) + (locked ? " 1" : " 0"));
    locked_[index(field)] = locked;
}

void MemoryWindow::setBackColor(TextField field, ui::SystemColour colour)
{
    if (log_)
        log_->push_back("backcolor " + std::string(nameOf(field)) + " " + std::to_string(static_cast<int>(colour)));
    backColors_[index(field)] = colour;
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
