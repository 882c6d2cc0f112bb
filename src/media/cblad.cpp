#include "media/cblad.h"

#include <iostream>
#include <utility>

#include "catalog/screen_geometry.h"
#include "media/data_paths.h"
#include "platform/message_box.h"

using namespace catalog;

namespace media {

namespace {

constexpr const char* kCaption = "Błąd";

MessageFormHandler& FormHandler() {
    static MessageFormHandler handler;
    return handler;
}

}  // namespace

CBlad::CBlad(int16_t code, std::string text) : code_(code), text_(std::move(text)) {}

CBlad CBlad::FromCode(int16_t code) {
    switch (code) {
        case ResourceMissingCode:
            return {code, std::string(ResourceMissingText)};
        case ScreenTooSmallCode:
            return {code, "Zmień Rozdzielczość na conajmniej 1024x768"};
        case RepeatedDrawCode:
            return {code, "Powtórzone losowanie obiektów"};
        case TooFewWordsCode:
            return {code, "Za malo slow do losowania"};
        case SliderPositionCode:
            return {code, "Pozycja paska nie może zostać zainicjalizowana"};
        case LibraryBitmapMissingCode:
            return {code, "Brak Bitmapy w dll"};
        case ScanNoElementsCode:
        case ScanNoModelCode:
            return {code, "Inicialization error in SCan Function sch.17"};
        default:
            return {code, {}};
    }
}

void CBlad::Show() const noexcept {
    try {
        // A copy, so a form that replaces the handler while it runs stays valid.
        MessageFormHandler form = FormHandler();
        if (Geometry().ScreenMode != 0 && form) {
            form(text_);
        } else {
            platform::ShowMessageBox(text_, kCaption, platform::MessageIcon::Error);
        }
    } catch (...) {
        // The report itself must not fail; the plain box needs no resources.
        try {
            platform::ShowMessageBox(std::string(ResourceMissingText), kCaption,
                                     platform::MessageIcon::Error);
        } catch (...) {
            // Out of memory even for the text: nothing left to tell the user with.
        }
    }
}

void SetMessageFormHandler(MessageFormHandler handler) {
    FormHandler() = std::move(handler);
}

void ReportResourceProblem(const std::string& path, const std::string& reason) noexcept {
    try {
        std::cerr << "vimbaro: cannot use " << path << ": " << reason << std::endl;
    } catch (...) {
        // Nothing more to say when standard error itself fails.
    }
}

}  // namespace media
