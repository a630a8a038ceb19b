#pragma once

// Every sentence Lumetra can show its user, in one place: the warnings and messages of the
// window's handlers, the names of the faults, what a failed start on Windows says, and the
// words of the browser page. Every binding and the page take them from here. The captions of
// the controls belong to the window's stored description (ui/window_description.cpp).

#include <string>
#include <string_view>

namespace lumetra::texts {

// Calculate, 3dsMax to Armadillo: light positions that give no usable pitch. The steep one
// names steepestPitch (armadillo.h) with its one decimal.
inline constexpr std::string_view zeroDistanceWarning =
    "Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates";
inline constexpr std::string_view steepPitchWarning = "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees";

// A fault that stops Calculate, as its message names it: the description, then the fault's
// number with a space where a plus sign would stand (" 6", "-3").
inline constexpr std::string_view invalidOperation = "Invalid operation";
inline constexpr std::string_view overflow = "Overflow";
inline constexpr std::string_view divisionByZero = "Division by zero";
inline std::string calculationError(std::string_view description, int number)
{
    return "Unexpected Calculation Error: " + std::string(description) + " (" + (number >= 0 ? " " : "") +
           std::to_string(number) + ")";
}

// A typed number beyond the range of a double, in the field of that name.
inline std::string numberTooLarge(std::string_view fieldName)
{
    return "The number in \"" + std::string(fieldName) + "\" is too large to calculate with.  Please enter a smaller number.";
}

// Windows: the window could not be made. The first sentence heads the message box, and the
// step that failed follows, with Windows's own words for why.
inline constexpr std::string_view couldNotStart = "Lumetra could not start.";
inline constexpr std::string_view classNotRegistered = "The window class could not be registered";
inline constexpr std::string_view commonControlsNotLoaded = "The common controls could not be loaded";
inline constexpr std::string_view windowNotCreated = "The window could not be created";
inline std::string controlNotCreated(std::string_view controlName)
{
    return "The control " + std::string(controlName) + " could not be created";
}

// The browser page: the message's button, the close box's name, what stands in the window's
// place once it has been closed, and what a browser without scripts shows.
inline constexpr std::string_view messageButton = "OK";
inline constexpr std::string_view closeBox = "Close";
inline constexpr std::string_view ended = "Lumetra has ended.";
inline constexpr std::string_view startAgain = "Start Lumetra again";
inline constexpr std::string_view scriptsOff =
    "Lumetra calculates with JavaScript and WebAssembly, which this browser has turned off.";

}  // namespace lumetra::texts
