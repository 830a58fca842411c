#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets an environment variable for one scope; "unset" when value is null.
class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const QByteArray &value)
        : m_name(name)
        , m_hadValue(qEnvironmentVariableIsSet(name))
        , m_oldValue(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    ~EnvironmentOverride()
    {
        if (m_hadValue)
            qputenv(m_name, m_oldValue);
        else
            qunsetenv(m_name);
    }

    EnvironmentOverride(const EnvironmentOverride &) = delete;
    EnvironmentOverride &operator=(const EnvironmentOverride &) = delete;

private:
    const char *m_name;
    bool m_hadValue;
    QByteArray m_oldValue;
};
