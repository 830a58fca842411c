-- Migration 007: Live rows by payee, then account and register order. The
-- payee list takes one seek per distinct payee, and a payee's latest row in
-- an account is found without reading the account's rows.

CREATE INDEX IF NOT EXISTS idx_transactions_live_payee
    ON transactions(payee, account_id, date, created_at) WHERE deleted_at IS NULL;
