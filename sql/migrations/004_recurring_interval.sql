-- Migration 004: "Every N units" multiplier of a recurring frequency

ALTER TABLE recurring_transactions ADD COLUMN interval_count INTEGER NOT NULL DEFAULT 1;
