#include "pieces/picture_control.h"

#include <utility>

#include "platform/application.h"

CPictureControl::CPictureControl(platform::Form& owner) : platform::Control(owner) {
    OnMouseUp = [this](platform::MouseEvent& e) {
        if (ParentIsActive()) {
            MouseUp(e);
        }
    };
}

bool CPictureControl::ParentIsActive() const {
    return platform::Application::Exists() &&
           platform::Application::Instance().ActiveForm() == &Parent();
}

std::function<void(platform::MouseEvent&)> CPictureControl::Guarded(
    std::function<void(platform::MouseEvent&)> handler) {
    if (!handler) {
        return {};
    }
    return [this, handler = std::move(handler)](platform::MouseEvent& e) {
        if (ParentIsActive()) {
            handler(e);
        }
    };
}

void CPictureControl::SetOnClick(std::function<void(platform::MouseEvent&)> handler) {
    OnClick = Guarded(std::move(handler));
}

void CPictureControl::SetOnDoubleClick(std::function<void(platform::MouseEvent&)> handler) {
    OnDoubleClick = Guarded(std::move(handler));
}
