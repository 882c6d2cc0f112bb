#include "exercises/cschemat4_4.h"

#include "catalog/resource_names.h"
#include "game/cgrupa.h"

namespace exercises {

CSchemat4_4::CSchemat4_4(game::ExerciseHost& host, const game::CWybor& settings)
    : CSchemat3(host, settings,
                {.Instruction = "S4_4",
                 .FirstCode = catalog::FirstDigitCode,
                 .FirstSymbol = catalog::FirstDigitCode,
                 .Hidden = settings.Level() == game::LevelIV ? kSecondOperand : kResult,
                 .QuestionRetire = Hide}) {}

}  // namespace exercises
