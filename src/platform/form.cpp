#include "platform/form.h"

#include <algorithm>
#include <cmath>

#include "platform/application.h"

namespace platform {

// ---- FormCanvas ----

FormCanvas::FormCanvas(Bitmap& screen, const Form& form, const Rect& clip)
    : screen_(screen), form_(form), clip_(clip) {}

Rect FormCanvas::ClipRect() const {
    return clip_.Offset(-form_.Bounds().Left, -form_.Bounds().Top);
}

bool FormCanvas::Inside(int sx, int sy) const {
    return clip_.Contains(sx, sy) &&
           form_.InShape(sx - form_.Bounds().Left, sy - form_.Bounds().Top);
}

void FormCanvas::CopyRect(const Rect& dest, const Bitmap& src, const Rect& srcRect) {
    int w = std::min(dest.Width(), srcRect.Width());
    int h = std::min(dest.Height(), srcRect.Height());
    Rect screenDest =
        Rect::FromSize(dest.Left + form_.Bounds().Left, dest.Top + form_.Bounds().Top, w, h);
    Rect area = screenDest.Intersect(clip_);
    if (area.IsEmpty()) {
        return;
    }
    int dx = area.Left - screenDest.Left;
    int dy = area.Top - screenDest.Top;
    if (form_.ellipseW_ == 0 && form_.shapeTopLeft_.X == 0 && form_.shapeTopLeft_.Y == 0) {
        screen_.CopyRect(
            area, src,
            Rect::FromSize(srcRect.Left + dx, srcRect.Top + dy, area.Width(), area.Height()));
        return;
    }
    // A shaped form copies row spans that lie inside its shape.
    for (int sy = area.Top; sy < area.Bottom; ++sy) {
        int x0 = area.Left;
        while (x0 < area.Right && !Inside(x0, sy)) {
            ++x0;
        }
        int x1 = area.Right;
        while (x1 > x0 && !Inside(x1 - 1, sy)) {
            --x1;
        }
        if (x1 <= x0) {
            continue;
        }
        screen_.CopyRect({x0, sy, x1, sy + 1}, src,
                         Rect::FromSize(srcRect.Left + (x0 - screenDest.Left),
                                        srcRect.Top + (sy - screenDest.Top), x1 - x0, 1));
    }
}

void FormCanvas::DrawMasked(int x, int y, const Bitmap& colour, const Bitmap& mask) {
    int ox = form_.Bounds().Left + x;
    int oy = form_.Bounds().Top + y;
    Rect area = Rect::FromSize(ox, oy, colour.Width(), colour.Height()).Intersect(clip_);
    for (int sy = area.Top; sy < area.Bottom; ++sy) {
        for (int sx = area.Left; sx < area.Right; ++sx) {
            if (!Inside(sx, sy)) {
                continue;
            }
            unsigned a = mask.Pixel(sx - ox, sy - oy)[0];
            if (a == 0) {
                continue;
            }
            Color c = colour.GetPixel(sx - ox, sy - oy);
            Color b = screen_.GetPixel(sx, sy);
            auto mix = [a](unsigned fg, unsigned bg) {
                return static_cast<uint8_t>((fg * a + bg * (255 - a) + 127) / 255);
            };
            screen_.SetPixel(sx, sy, {mix(c.R, b.R), mix(c.G, b.G), mix(c.B, b.B)});
        }
    }
}

void FormCanvas::FillRect(const Rect& r, Color c) {
    Rect area = r.Offset(form_.Bounds().Left, form_.Bounds().Top).Intersect(clip_);
    for (int sy = area.Top; sy < area.Bottom; ++sy) {
        for (int sx = area.Left; sx < area.Right; ++sx) {
            if (Inside(sx, sy)) {
                screen_.SetPixel(sx, sy, c);
            }
        }
    }
}

// ---- Form ----

Form::Form() {
    Application::Instance().AddForm(this);
}

Form::~Form() {
    if (Application::Exists()) {
        Application& app = Application::Instance();
        if (visible_) {
            app.InvalidateScreen(bounds_);
        }
        app.RemoveForm(this);
    }
}

void Form::SetBounds(const Rect& bounds) {
    if (visible_) {
        Application::Instance().InvalidateScreen(bounds_);
    }
    bounds_ = bounds;
    if (visible_) {
        Invalidate();
    }
}

void Form::CenterOnScreen(int w, int h) {
    Point screen = Application::Instance().ScreenSize();
    SetBounds(Rect::FromSize((screen.X - w) / 2, (screen.Y - h) / 2, w, h));
}

void Form::CenterOn(const Form& owner, int w, int h) {
    const Rect& o = owner.Bounds();
    SetBounds(Rect::FromSize(o.Left + (o.Width() - w) / 2, o.Top + (o.Height() - h) / 2, w, h));
}

void Form::SetRoundedShape(int ellipseWidth, int ellipseHeight, Point topLeft) {
    ellipseW_ = std::max(0, ellipseWidth);
    ellipseH_ = std::max(0, ellipseHeight);
    shapeTopLeft_ = {std::max(0, topLeft.X), std::max(0, topLeft.Y)};
    Invalidate();
}

bool Form::InShape(int fx, int fy) const {
    if (fx < shapeTopLeft_.X || fy < shapeTopLeft_.Y || fx >= bounds_.Width() ||
        fy >= bounds_.Height()) {
        return false;
    }
    if (ellipseW_ == 0 || ellipseH_ == 0) {
        return true;
    }
    // The shape's own coordinates and size.
    const int x = fx - shapeTopLeft_.X;
    const int y = fy - shapeTopLeft_.Y;
    const int width = bounds_.Width() - shapeTopLeft_.X;
    const int height = bounds_.Height() - shapeTopLeft_.Y;
    double rx = ellipseW_ / 2.0, ry = ellipseH_ / 2.0;
    // Distance into the corner zone, measured from the pixel centre.
    double cx =
        x + 0.5 < rx ? rx - (x + 0.5) : (x + 0.5 > width - rx ? (x + 0.5) - (width - rx) : 0);
    double cy =
        y + 0.5 < ry ? ry - (y + 0.5) : (y + 0.5 > height - ry ? (y + 0.5) - (height - ry) : 0);
    if (cx == 0 || cy == 0) {
        return true;
    }
    return (cx * cx) / (rx * rx) + (cy * cy) / (ry * ry) <= 1.0;
}

void Form::Show() {
    Application& app = Application::Instance();
    Form* before = app.ActiveForm();
    app.RaiseForm(this);
    bool wasVisible = visible_;
    visible_ = true;
    Invalidate();
    if (!wasVisible) {
        OnShow();
    }
    Form* after = app.ActiveForm();
    if (before != after) {
        if (before != nullptr) {
            before->LeaveHovered();
            before->OnDeactivate();
        }
        if (after != nullptr) {
            after->OnActivate();
        }
    }
}

void Form::Hide() {
    if (!visible_) {
        return;
    }
    Application& app = Application::Instance();
    Form* before = app.ActiveForm();
    visible_ = false;
    app.InvalidateScreen(bounds_);
    LeaveHovered();
    Form* after = app.ActiveForm();
    if (before != after) {
        if (before != nullptr) {
            before->OnDeactivate();
        }
        if (after != nullptr) {
            after->OnActivate();
        }
    }
}

void Form::BringToFront() {
    if (visible_) {
        Show();
    } else {
        Application::Instance().RaiseForm(this);
    }
}

void Form::Close() {
    Application& app = Application::Instance();
    if (modal_) {
        closeRequested_ = true;
    } else if (app.MainForm() == this) {
        Hide();
        app.Terminate();
    } else {
        Hide();
    }
}

int Form::ShowModal() {
    Application& app = Application::Instance();
    modal_ = true;
    closeRequested_ = false;
    ModalResult = 0;
    Show();
    app.RunUntil([this] { return closeRequested_; });
    modal_ = false;
    Hide();
    return ModalResult;
}

void Form::Invalidate() {
    Application::Instance().InvalidateScreen(bounds_);
}

void Form::Invalidate(const Rect& r) {
    Application::Instance().InvalidateScreen(
        r.Offset(bounds_.Left, bounds_.Top).Intersect(bounds_));
}

void Form::Update() {
    Application::Instance().PaintNow();
}

void Form::RemoveControl(Control* c) {
    std::erase(controls_, c);
    if (hovered_ == c) {
        hovered_ = nullptr;
    }
    if (pressed_ == c) {
        pressed_ = nullptr;
    }
}

Control* Form::ControlAt(int fx, int fy) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->Visible() && c->Enabled() && c->Bounds().Contains(fx, fy)) {
            return c;
        }
    }
    return nullptr;
}

void Form::LeaveHovered() {
    if (hovered_ != nullptr) {
        Control* c = hovered_;
        hovered_ = nullptr;
        MouseEvent me;
        if (c->OnMouseLeave) {
            c->OnMouseLeave(me);
        }
    }
}

void Form::DispatchMouse(const InputEvent& e) {
    using Type = InputEvent::Type;
    int fx = e.x - bounds_.Left;
    int fy = e.y - bounds_.Top;
    auto local = [&](Control* c) {
        MouseEvent me;
        me.Button = e.button;
        me.X = fx - (c ? c->Bounds().Left : 0);
        me.Y = fy - (c ? c->Bounds().Top : 0);
        return me;
    };
    auto call = [](const std::function<void(MouseEvent&)>& handler, MouseEvent& me) {
        if (handler) {
            handler(me);
        }
    };
    Control* under = InShape(fx, fy) ? ControlAt(fx, fy) : nullptr;
    switch (e.type) {
        case Type::MouseMove: {
            if (under != hovered_) {
                LeaveHovered();
                hovered_ = under;
                if (under != nullptr) {
                    MouseEvent me = local(under);
                    call(under->OnMouseEnter, me);
                }
            }
            MouseEvent me = local(pressed_ ? pressed_ : under);
            if (pressed_ != nullptr) {
                call(pressed_->OnMouseMove, me);
            } else if (under != nullptr) {
                call(under->OnMouseMove, me);
            } else {
                OnMouseMove(me);
            }
            break;
        }
        case Type::MouseDown: {
            pressed_ = under;
            clickPending_ = e.clicks < 2 && e.button == MouseButton::Left;
            MouseEvent me = local(under);
            if (under == nullptr) {
                OnMouseDown(me);
                break;
            }
            if (e.clicks >= 2 && e.button == MouseButton::Left) {
                MouseEvent dbl = local(under);
                call(under->OnDoubleClick, dbl);
                if (pressed_ != under) {
                    break;  // the handler removed the control
                }
            }
            call(under->OnMouseDown, me);
            // A press the control did not claim (a right button on a picture) is the form's.
            if (!me.Handled) {
                MouseEvent own = local(nullptr);
                OnMouseDown(own);
            }
            break;
        }
        case Type::MouseUp: {
            Control* target = pressed_;
            pressed_ = nullptr;
            if (target == nullptr) {
                MouseEvent me = local(nullptr);
                OnMouseUp(me);
                break;
            }
            MouseEvent me = local(target);
            call(target->OnMouseUp, me);
            // The game's switches are releases anywhere a control does not claim them.
            if (!me.Handled) {
                MouseEvent own = local(nullptr);
                OnMouseUp(own);
            }
            // The handler may have removed the control; a click needs it still there.
            bool stillThere =
                std::find(controls_.begin(), controls_.end(), target) != controls_.end();
            if (stillThere && clickPending_ && target == under) {
                MouseEvent click = local(target);
                call(target->OnClick, click);
            }
            break;
        }
        default:
            break;
    }
}

// ---- Control ----

Control::Control(Form& parent) : parent_(parent) {
    parent_.AddControl(this);
}

Control::~Control() {
    parent_.RemoveControl(this);
}

void Control::SetBounds(const Rect& bounds) {
    if (visible_) {
        parent_.Invalidate(bounds_);
    }
    bounds_ = bounds;
    if (visible_) {
        parent_.Invalidate(bounds_);
    }
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    parent_.Invalidate(bounds_);
    if (!visible && parent_.hovered_ == this) {
        parent_.hovered_ = nullptr;
    }
}

}  // namespace platform
