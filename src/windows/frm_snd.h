#pragma once

#include "app/form.h"

namespace tavrin {

// The sound holder, never shown. Until the sound devices land it holds nothing.
class FrmSnd : public Form {
    Q_OBJECT
public:
    explicit FrmSnd(AppContext& ctx);
};

} // namespace tavrin
