-- Migration 006: An account's live rows in register order (date, creation,
-- then storage), with what its sums need: the newest rows and the sums come
-- without reading every row, and a sum is added up in the register's order.

CREATE INDEX IF NOT EXISTS idx_transactions_account_register
    ON transactions(account_id, deleted_at, date, created_at, amount, cleared);
