<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
