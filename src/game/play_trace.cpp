#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/tfm_gry.h"

// The play trace: for tools that play the game from outside (the end-to-end runs), which see
// only the screen. With VIMBARO_TRACE set, the key poll writes a line to standard error
// whenever what there is to choose has changed:
//   play task=I type=NAME solved=0|1 vehicle=L,T,R,B area=L,T,R,B button=-1|0..3
//        target=L,T,R,B|- elements=N:L,T,R,B;...
// type is the exercise's instruction name ("S9"), which tells its type; area is where the
// vehicle may go, button the highlighted form button (next, back, help, stop), target the
// element the scanning highlight stands on, elements what can be chosen now.

namespace game {

namespace {

std::string RectText(const platform::Rect& r) {
    return std::to_string(r.Left) + ',' + std::to_string(r.Top) + ',' + std::to_string(r.Right) +
           ',' + std::to_string(r.Bottom);
}

}  // namespace

bool TfmGry::PlayTraceOn() {
    static const bool on = std::getenv("VIMBARO_TRACE") != nullptr;
    return on;
}

void TfmGry::TracePlay() {
    if (!PlayTraceOn() || current_ == nullptr || ended_) {
        return;
    }
    int button = -1;
    for (size_t i = 0; i < scanButtons_.size(); ++i) {
        if (scanRing_->Highlighted() == scanButtons_[i].get()) {
            button = static_cast<int>(i);
        }
    }
    std::string line =
        "play task=" + std::to_string(currentIndex_) + " type=" + current_->GetInstructionName() +
        " solved=" + (current_->IsSolved() ? "1" : "0") +
        " vehicle=" + RectText(vehicle_->Rectangle()) + " area=" + RectText(moveArea_) +
        " button=" + std::to_string(button) + " target=";
    const auto target = ScanningOn() && button < 0 ? current_->ScanTargetRect() : std::nullopt;
    line += target ? RectText(*target) : "-";
    line += " elements=";
    for (const Choosable& c : current_->ChoosableElements()) {
        line += std::to_string(c.Element) + ':' + RectText(c.Place) + ';';
    }
    line += '\n';
    if (line == lastTrace_) {
        return;
    }
    lastTrace_ = line;
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

}  // namespace game
