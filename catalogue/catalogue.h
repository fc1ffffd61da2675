#pragma once

#include "app/design.h"

#include <QString>
#include <array>

namespace sakana {

// The forty fish, in the order of the name labels on both list screens.
// Index is the label's place in the array (0 to 39); the fish index (1 to 40)
// names the fish's picture file and its entry in the name list.
inline constexpr int kFishCount = 40;

struct Fish {
    const char16_t *name;  // the bare name in hiragana
};

// The bare names, in Japanese dictionary order.
extern const std::array<Fish, kFishCount> kFish;

int fishIndexOf(int index);   // Index + 1
int indexOfFish(int fishNo);  // fish index - 1

// The label caption: the name spread to a common width by its number of kana.
// Two kana: "　あ　　じ"; three: "　い　さ　き"; four: "　あ い な め".
QString captionOf(int index);

enum class Column { Left, Right };
Column columnOf(int index);
int rowOf(int index);  // 1 to 20, from the top

// Where the label of Index i stands on both screens.
TwipsRect gridRect(int index);

} // namespace sakana
