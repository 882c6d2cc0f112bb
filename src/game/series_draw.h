#pragma once

#include <functional>

namespace game {

// Which exercise of a level comes next: a draw number r = random mod N (N = 7 at levels I
// and II, 8 at level III, 10 at level IV), drawn again while it is 0 or equal to one of the
// two numbers drawn last, so that no exercise repeats the one before it or the one two
// before.
class SeriesDraw {
  public:
    static int Modulus(int level);

    // Draws a number the caller can use (available), or 0 when the rule leaves none: every
    // level has more types than the rule takes away, so 0 means the others could not be
    // made, and the caller ends the series rather than repeat an exercise.
    int Draw(int level, const std::function<bool(int)>& available) const;
    // Records a number that gave an exercise.
    void Accept(int draw);

    int LastDraw() const { return last_; }
    int PrevDraw() const { return prev_; }

  private:
    int last_ = 0;
    int prev_ = 0;
};

}  // namespace game
