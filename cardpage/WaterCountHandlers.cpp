// Card-reader page: the water-control count kept in block 14, read and changed by a signed
// amount.

#include "app/Form1.h"
#include "cardpage/CardLayout.h"
#include "cardpage/ReaderLink.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"

using namespace cardpage;

namespace {

std::string ReadWaterBlock(const TForm1& form) {
    return CopyReply(
        Library().newreadcard(ReaderPort(form), form.ReaderCode().c_str(), kWaterBlock, 1));
}

} // namespace

void TForm1::Button70Click(TObject*) {
    SetBoxText(*this, L"Edit107", std::to_wstring(WaterCount(ReadWaterBlock(*this))));
}

// A block that could not be read, or a count that would leave 0-65535, writes nothing and is
// reported as a failed write: a block text of any other length than 32 digits would land
// shifted on the card.
void TForm1::Button71Click(TObject*) {
    const std::string block = ReadWaterBlock(*this);
    const std::optional<std::string> changed =
        WaterCountBlock(block, IntegerBox(*this, L"Edit108"));
    const bool written = changed && Library().newwritecard(ReaderPort(*this), ReaderCode().c_str(),
                                                           kWaterBlock, 1, changed->c_str());
    ShowInformation(written ? L"写卡成功！" : L"写卡失败！");
}
