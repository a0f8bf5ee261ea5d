#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

// The product's picture, name and version.
class AboutPage : public PropertyPageBase {
    Q_OBJECT

public:
    static constexpr int32_t logoResource = 152;

    explicit AboutPage(IPropertyPageHost& host);
};
