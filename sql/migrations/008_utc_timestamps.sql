-- Migration 008: Every stored time stamp in one form, UTC with "Z" and whole
-- seconds ("2024-03-01T08:30:00Z"), so that text order is time order. Stamps
-- that came from the sync service or a backup kept the form they arrived in
-- ("2024-03-01T10:30:00+02:00", fractions of a second); a stamp without a
-- zone was read as local time and keeps that meaning. Text that is no time
-- stamp is left as it is.

CREATE TEMP TABLE stamp_rewrites (stored TEXT PRIMARY KEY, utc TEXT NOT NULL);

INSERT INTO stamp_rewrites (stored, utc)
SELECT stored, utc FROM (
    SELECT stored,
        CASE WHEN stored GLOB '*[Zz]' OR stored GLOB '*[+-][0-9][0-9]:[0-9][0-9]'
            THEN strftime('%Y-%m-%dT%H:%M:%SZ', stored)
            ELSE strftime('%Y-%m-%dT%H:%M:%SZ', stored, 'utc') END AS utc
    FROM (
        SELECT created_at AS stored FROM accounts
        UNION SELECT updated_at FROM accounts
        UNION SELECT deleted_at FROM accounts
        UNION SELECT created_at FROM categories
        UNION SELECT updated_at FROM categories
        UNION SELECT deleted_at FROM categories
        UNION SELECT created_at FROM transactions
        UNION SELECT updated_at FROM transactions
        UNION SELECT deleted_at FROM transactions
        UNION SELECT created_at FROM split_lines
        UNION SELECT updated_at FROM split_lines
        UNION SELECT created_at FROM recurring_transactions
        UNION SELECT updated_at FROM recurring_transactions
        UNION SELECT deleted_at FROM recurring_transactions
        UNION SELECT completed_at FROM reconciliations
        UNION SELECT created_at FROM reconciliations
        UNION SELECT updated_at FROM reconciliations
        UNION SELECT deleted_at FROM reconciliations
        UNION SELECT created_at FROM transaction_templates
        UNION SELECT updated_at FROM transaction_templates
        UNION SELECT created_at FROM sync_queue)
    WHERE stored GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9][T ][0-9][0-9]:[0-9][0-9]*'
      AND stored NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9]Z')
WHERE utc IS NOT NULL;

UPDATE accounts SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at),
    deleted_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = deleted_at), deleted_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites)
   OR deleted_at IN (SELECT stored FROM stamp_rewrites);

UPDATE categories SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at),
    deleted_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = deleted_at), deleted_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites)
   OR deleted_at IN (SELECT stored FROM stamp_rewrites);

UPDATE transactions SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at),
    deleted_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = deleted_at), deleted_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites)
   OR deleted_at IN (SELECT stored FROM stamp_rewrites);

UPDATE split_lines SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites);

UPDATE recurring_transactions SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at),
    deleted_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = deleted_at), deleted_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites)
   OR deleted_at IN (SELECT stored FROM stamp_rewrites);

UPDATE reconciliations SET
    completed_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = completed_at), completed_at),
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at),
    deleted_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = deleted_at), deleted_at)
WHERE completed_at IN (SELECT stored FROM stamp_rewrites) OR created_at IN (SELECT stored FROM stamp_rewrites)
   OR updated_at IN (SELECT stored FROM stamp_rewrites) OR deleted_at IN (SELECT stored FROM stamp_rewrites);

UPDATE transaction_templates SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at),
    updated_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = updated_at), updated_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites) OR updated_at IN (SELECT stored FROM stamp_rewrites);

UPDATE sync_queue SET
    created_at = COALESCE((SELECT utc FROM stamp_rewrites WHERE stored = created_at), created_at)
WHERE created_at IN (SELECT stored FROM stamp_rewrites);

DROP TABLE stamp_rewrites;
