#pragma once

#include "app/form.h"

namespace tavrin {

// The first window: the instructions and the "START ->" label that opens the board.
class FrmStart : public Form {
    Q_OBJECT
public:
    explicit FrmStart(AppContext& ctx);

    void Label4_Click();

protected:
    void systemClose() override;
};

} // namespace tavrin
