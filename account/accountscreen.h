#pragma once

#include <QWidget>

namespace LumoAccount {

// The online account window of a signed-in user.
class AccountScreen : public QWidget
{
public:
    // The pages in navigation order; a value is both the row in the
    // navigation list and the index in the page stack.
    enum Tab { Profile = 0, Group = 1, Devices = 2, Security = 3, Privacy = 4 };
};

} // namespace LumoAccount
