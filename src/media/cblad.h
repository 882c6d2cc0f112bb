#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace media {

// The Polish names in this file are explained in docs/glossary.md.

// The program's own error: a code callers branch on and a Polish text for the user.
class CBlad : public std::exception {
  public:
    // The codes in use.
    static constexpr int16_t ResourceMissingCode = 1;
    static constexpr int16_t ScreenTooSmallCode = 2;
    static constexpr int16_t RepeatedDrawCode = 3;
    static constexpr int16_t TooFewWordsCode = 9;
    static constexpr int16_t SliderPositionCode = 10;
    static constexpr int16_t SettingsNotSavedCode = 11;
    static constexpr int16_t LibraryBitmapMissingCode = 100;
    static constexpr int16_t ScanNoElementsCode = 101;
    static constexpr int16_t ScanNoModelCode = 102;

    CBlad(int16_t code, std::string text);

    // The error with the program's standard text for code (empty for an unknown code).
    static CBlad FromCode(int16_t code);
    // Code 1 with ResourceMissingText, the most common one.
    static CBlad ResourceMissing() { return FromCode(ResourceMissingCode); }

    const char* what() const noexcept override { return "Blad"; }
    int16_t Code() const { return code_; }
    const std::string& Text() const { return text_; }

    // Reports the error: the program's message form once a layout exists, a system message
    // box before that. When that fails, a box with ResourceMissingText. Never throws.
    void Show() const noexcept;

  private:
    int16_t code_;
    std::string text_;
};

// Writes one line naming a data file the program could not use, and why, to standard error:
// the user sees only the reinstall message, whoever installs the game needs the file.
void ReportResourceProblem(const std::string& path, const std::string& reason) noexcept;

// The program's message form, shown modally with the text. It may throw (its own
// background picture can be missing); CBlad::Show falls back to a message box then.
using MessageFormHandler = std::function<void(const std::string& text)>;

// Installs the form CBlad::Show uses once a layout exists; an empty handler removes it.
void SetMessageFormHandler(MessageFormHandler handler);

// Runs build; a CBlad raised inside passes on unchanged, any other error becomes CBlad code 1
// with ResourceMissingText, as every constructor that loads pictures reports it.
template <class Build>
decltype(auto) ReportingResourceErrors(Build&& build) {
    try {
        return build();
    } catch (const CBlad&) {
        throw;
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
}

}  // namespace media
