#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

#include <QString>
#include <functional>
#include <memory>

class IPropertyPageHost;

// One page as the sheet knows it before it is opened: its caption and how to make it. The sheet
// never learns the page's type or what the page is given.
struct PropertyPageDescriptor {
    using Factory = std::function<std::unique_ptr<PropertyPageBase>(IPropertyPageHost&)>;

    QString caption;
    Factory create;

    template <typename Page, typename... Arguments>
    static PropertyPageDescriptor of(const QString& caption, Arguments&... arguments) {
        return {caption, [&arguments...](IPropertyPageHost& host) {
                    return std::unique_ptr<PropertyPageBase>(
                        std::make_unique<Page>(host, arguments...));
                }};
    }
};
