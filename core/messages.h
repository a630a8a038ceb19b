#pragma once

#include <string>

namespace lumetra {

// A modal message to the user; returns when it has been dismissed.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace lumetra
