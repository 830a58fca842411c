#pragma once

#include "data/userwrite.h"

class QWidget;

// The one way every window tells the user that a write was not made because
// what it showed is out of date: the row was changed or deleted elsewhere,
// or the account was deleted. The caller reloads afterwards and keeps what
// the user typed where it can.
namespace WriteResultPrompt {

enum class Subject { Transaction, RecurringRule, Reconciliation, Account, Category };

// Shows the message for ChangedElsewhere and AccountNotLive and returns
// true; returns false for Written and Failed, which each window reports in
// its own words.
bool reportRefusal(WriteResult result, Subject subject, QWidget *parent);

// Why the store refused the last write on `database`, in the user's words
// ("the disk is full", ...); empty when it gave no reason, so the caller
// falls back to a message without one.
QString failureReason(const Database *database);

} // namespace WriteResultPrompt
