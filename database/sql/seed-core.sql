-- Rows the program relies on in every cookbook: unit "000001" (no unit) and group "000001"
-- (no section). Kept when the unit seed already wrote them.
INSERT OR IGNORE INTO MISC (TYPE, SYSTEM, ITEM, STRING, VALUE, U_TYPE, U_FACTOR1, U_FACTOR2) VALUES ('U', 0, '000001', '', 0, 0, 0, 0);
INSERT OR IGNORE INTO MISC (TYPE, SYSTEM, ITEM, STRING, VALUE, U_TYPE, U_FACTOR1, U_FACTOR2) VALUES ('G', 0, '000001', '', 0, 0, 0, 0);
