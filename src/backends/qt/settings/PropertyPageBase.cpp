#include "backends/qt/settings/PropertyPageBase.h"

#include "backends/qt/settings/IPropertyPageHost.h"
#include "backends/qt/settings/ValidationMessage.h"

PropertyPageBase::PropertyPageBase(IPropertyPageHost& host) : host_(host) {}

void PropertyPageBase::showFailure(const ValidationFailure& failure) {
    showValidationFailure(host_.sheetWindow(), failure);
}
