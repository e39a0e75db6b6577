#pragma once

#include "screens/url_opener.h"

class DesktopUrlOpener final : public UrlOpener {
  public:
    void open(const QString& url) override;
};
