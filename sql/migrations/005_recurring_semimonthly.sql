-- Migration 005: Day-of-month anchors of semimonthly rules (0 = last day)

ALTER TABLE recurring_transactions ADD COLUMN semimonthly_day_1 INTEGER NOT NULL DEFAULT 1;
ALTER TABLE recurring_transactions ADD COLUMN semimonthly_day_2 INTEGER NOT NULL DEFAULT 15;
