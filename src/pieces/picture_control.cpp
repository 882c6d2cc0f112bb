#include "pieces/picture_control.h"

#include <utility>

#include "platform/application.h"

namespace pieces {

PictureControl::PictureControl(platform::Form& owner) : platform::Control(owner) {
    OnMouseUp = [this](platform::MouseEvent& e) {
        if (ParentIsActive()) {
            MouseUp(e);
        }
    };
}

bool PictureControl::ParentIsActive() const {
    return platform::Application::Exists() &&
           platform::Application::Instance().ActiveForm() == &Parent();
}

std::function<void(platform::MouseEvent&)> PictureControl::Guarded(
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

void PictureControl::SetOnClick(std::function<void(platform::MouseEvent&)> handler) {
    OnClick = Guarded(std::move(handler));
}

void PictureControl::SetOnDoubleClick(std::function<void(platform::MouseEvent&)> handler) {
    OnDoubleClick = Guarded(std::move(handler));
}

}  // namespace pieces
