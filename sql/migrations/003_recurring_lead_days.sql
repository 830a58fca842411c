-- Migration 003: Days in advance a recurring transaction may be entered early

ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
