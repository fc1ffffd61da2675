#include "ui/namegrid.h"

#include "ui/controls.h"
#include "ui/form.h"

namespace sakana {

TwipsRect nameRect(int fishNo)
{
    const int index = fishNo - 1;
    return {index < 20 ? 180 : 9000, 900 + 300 * (index % 20), 2325, 285};
}

NameGrid::NameGrid(QWidget &window, const ControlDesign &design) : QObject(&window)
{
    for (int fishNo = kFishCount; fishNo >= 1; --fishNo) {
        Label *label = createLabel(window, design, nameRect(fishNo), fishCaption(fishNo));
        label->setObjectName(QStringLiteral("name%1").arg(fishNo));
        labels_[std::size_t(fishNo - 1)] = label;
        connect(label, &Control::clicked, this, [this, fishNo] { emit nameClicked(fishNo); });
        connect(label, &Control::pointerMoved, this, [this, fishNo] { pointerOverName(fishNo); });
    }
}

void NameGrid::setMarked(int fishNo, bool marked)
{
    label(fishNo)->setBackColour(marked ? colours::kNameMarked : colours::kNameNormal);
}

void NameGrid::pointerOverName(int fishNo)
{
    lastPointed_ = fishNo;
    if (highlighted_ == fishNo)
        return;
    if (highlighted_ != 0)
        setMarked(highlighted_, false);
    setMarked(fishNo, true);
    highlighted_ = fishNo;
}

void NameGrid::pointerOverBackground()
{
    setMarked(lastPointed_, false);
    highlighted_ = 0;
}

} // namespace sakana
