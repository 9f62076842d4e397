-- The company database of the cost-accounting ledger inquiry: every table, view and inline table function
-- that the inquiry reads, with the ERP's own names. One object per batch; batches end at lines holding GO.
-- Codes of companies (ditta) are numbers; registration numbers (NUMREG) are text; dates are DATETIME;
-- amounts DECIMAL(19,4) and quantities DECIMAL(18,6), rounded by the writer to the company's decimals.

---------------------------------------------------------------------------------------------------------
-- Registry and company set-up
---------------------------------------------------------------------------------------------------------

-- General registry: the current data of every company, customer and supplier.
CREATE TABLE CG16_ANAGGEN (
    CG16_CODICE         INT           NOT NULL,
    CG16_RAGSOANAG      NVARCHAR(80)  NOT NULL,
    CG16_INDIRIZZO      NVARCHAR(60)  NULL,
    CG16_CITTA          NVARCHAR(40)  NULL,
    CG16_PROVINCIA      NVARCHAR(2)   NULL,
    CG16_CAP            NVARCHAR(5)   NULL,
    CG16_PARTIVA        NVARCHAR(11)  NULL,
    PRIMARY KEY (CG16_CODICE)
)
GO
-- Versions of a registry over time: a name or address holds from its start to its end (NULL = still valid).
CREATE TABLE CG17_ANAGSTORICO (
    CG17_CODICE_CG16    INT           NOT NULL,
    CG17_DATAINIZIO     DATETIME      NOT NULL,
    CG17_DATAFINE       DATETIME      NULL,
    CG17_RAGSOANAG      NVARCHAR(80)  NOT NULL,
    CG17_INDIRIZZO      NVARCHAR(60)  NULL,
    CG17_CITTA          NVARCHAR(40)  NULL,
    PRIMARY KEY (CG17_CODICE_CG16, CG17_DATAINIZIO)
)
GO
-- Currencies; a rate is quoted as units of the currency for one unit of the base currency when
-- CG08_INDCERTOINCERTO is 0, the other way round when it is 1.
CREATE TABLE CG08_VALUTE (
    CG08_CODICE             NVARCHAR(4)   NOT NULL,
    CG08_DESCR              NVARCHAR(40)  NOT NULL,
    CG08_SIGLA              NVARCHAR(5)   NOT NULL,
    CG08_NUMERODECIMALI     SMALLINT      NOT NULL,
    CG08_INDCERTOINCERTO    SMALLINT      NOT NULL,
    PRIMARY KEY (CG08_CODICE)
)
GO
-- Exchange rates by day and rate type (1 daily fixing, 2 monthly average).
CREATE TABLE CG09_CAMBI (
    CG09_CODICE_CG08    NVARCHAR(4)   NOT NULL,
    CG09_DATACAMBIO     DATETIME      NOT NULL,
    CG09_TIPOCAMBIO     SMALLINT      NOT NULL,
    CG09_CAMBIO         DECIMAL(18,6) NOT NULL,
    PRIMARY KEY (CG09_CODICE_CG08, CG09_DATACAMBIO, CG09_TIPOCAMBIO)
)
GO
-- What the exchange-rate service reads: one row per currency, day and rate type.
CREATE VIEW VCG09_CAMBI AS
SELECT CG09_CODICE_CG08     AS CODICEVALUTA,
       CG09_DATACAMBIO      AS DATACAMBIO,
       CG09_TIPOCAMBIO      AS TIPOCAMBIO,
       CG09_CAMBIO          AS CAMBIO,
       CG08_INDCERTOINCERTO AS INDCERTOINCERTO,
       CG08_NUMERODECIMALI  AS NUMERODECIMALI
FROM CG09_CAMBI
INNER JOIN CG08_VALUTE ON CG08_CODICE = CG09_CODICE_CG08
GO
-- The companies of the group and the settings kept on the company itself.
--   CG18_INDSTRUTTPROG     project structure (2 = without nodes, activities and project expenses)
--   CG18_INDDATACOMP       1: a line without competence dates falls on its registration date, else on
--                          its document date
--   CG18_INDSCALDATACOMP   the scale of competence dates of the host's other prints (the ledger's print
--                          follows CG18_INDDATACOMP, as its extraction does)
--   CG18_TIPOCOAN          cost-accounting type: "FIN" financial, "IND" industrial
CREATE TABLE CG18_ANADITTABASE (
    CG18_DITTA              INT           NOT NULL,
    CG18_CODICE_CG16        INT           NOT NULL,
    CG18_CODVALUTA_CG08     NVARCHAR(4)   NULL,
    CG18_FLGINTERCOMPANY    BIT           NOT NULL,
    CG18_INDSTRUTTPROG      SMALLINT      NOT NULL,
    CG18_INDDATACOMP        SMALLINT      NOT NULL,
    CG18_INDSCALDATACOMP    INT           NOT NULL,
    CG18_TIPOCOAN           NVARCHAR(3)   NOT NULL,
    PRIMARY KEY (CG18_DITTA)
)
GO
-- The cost-accounting parameters of a company.
--   CI01_INDSEDI / CI01_INDSEDIRIGA  1: movements carry a site / lines carry their own site
--   CI01_FLGNOCOGE                   1: no link to the general ledger is shown or printed
--   CI01_INDMODIFICAPN               0: linked journal entries are never opened for editing
--   CI01_FLGINTEGRAZIONEQEV          1: the unit-price-list vertical module is integrated
CREATE TABLE CI01_PARAMETRI (
    CI01_DITTA_CG18             INT       NOT NULL,
    CI01_CODPDC_PC01            SMALLINT  NOT NULL,
    CI01_CODVDS_PC01            SMALLINT  NOT NULL,
    CI01_DECQTA                 SMALLINT  NULL,
    CI01_INDSEDI                SMALLINT  NOT NULL,
    CI01_INDSEDIRIGA            SMALLINT  NOT NULL,
    CI01_FLGNOCOGE              BIT       NOT NULL,
    CI01_INDMODIFICAPN          SMALLINT  NOT NULL,
    CI01_NUMLIVELLI             INT       NOT NULL,
    CI01_FLGINTEGRAZIONEQEV     BIT       NOT NULL,
    PRIMARY KEY (CI01_DITTA_CG18)
)
GO
-- Sites of a company.
CREATE TABLE CG31_ANADITTASEDI (
    CG31_DITTA_CG18     INT           NOT NULL,
    CG31_CODICE         INT           NOT NULL,
    CG31_DESCR          NVARCHAR(40)  NOT NULL,
    CG31_INDIRIZZO      NVARCHAR(60)  NULL,
    CG31_CITTA          NVARCHAR(40)  NULL,
    PRIMARY KEY (CG31_DITTA_CG18, CG31_CODICE)
)
GO
-- Intercompany structures of the group (codes shared by all companies).
CREATE TABLE CGC0_STRUTINFRAGRUPPO (
    CGC0_CODICE         NVARCHAR(4)   NOT NULL,
    CGC0_DESCR          NVARCHAR(60)  NOT NULL,
    CGC0_DITTARIF_CG18  INT           NULL,
    PRIMARY KEY (CGC0_CODICE)
)
GO
-- Customers (CG44_TIPOCF 0) and suppliers (1) of a company, each pointing at its general registry.
CREATE TABLE CG44_CLIFOR (
    CG44_DITTA_CG18     INT           NOT NULL,
    CG44_TIPOCF         SMALLINT      NOT NULL,
    CG44_CLIFOR         INT           NOT NULL,
    CG44_CODICE_CG16    INT           NOT NULL,
    CG44_GRUPPO_CG10    SMALLINT      NULL,
    CG44_CONTO_CG24     NVARCHAR(10)  NULL,
    PRIMARY KEY (CG44_DITTA_CG18, CG44_TIPOCF, CG44_CLIFOR)
)
GO
-- A customer or supplier with the registry version valid in each period.
CREATE VIEW VCG16_ANAGRALLADATA AS
SELECT CG44_DITTA_CG18,
       CG44_TIPOCF,
       CG44_CLIFOR,
       CG44_CODICE_CG16,
       CG17_CODICE_CG16    AS CG16_CODICE,
       CG17_RAGSOANAG      AS CG16_RAGSOANAG,
       CG17_INDIRIZZO      AS CG16_INDIRIZZO,
       CG17_CITTA          AS CG16_CITTA,
       CG17_DATAINIZIO     AS DATAINIZIOVALIDITA,
       CG17_DATAFINE       AS DATAFINEVALIDITA
FROM CG44_CLIFOR
INNER JOIN CG17_ANAGSTORICO ON CG17_CODICE_CG16 = CG44_CODICE_CG16
GO

---------------------------------------------------------------------------------------------------------
-- General ledger and documents
---------------------------------------------------------------------------------------------------------

-- Chart of general-ledger accounts, by chart group.
CREATE TABLE CG24_TABPDC (
    CG24_GRUPPO_CG10    SMALLINT      NOT NULL,
    CG24_CONTO          NVARCHAR(10)  NOT NULL,
    CG24_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (CG24_GRUPPO_CG10, CG24_CONTO)
)
GO
-- A general-ledger account described in another language.
CREATE TABLE CG26_DESCPDCLINGUA (
    CG26_GRUPPO_CG10    SMALLINT      NOT NULL,
    CG26_CONTO_CG24     NVARCHAR(10)  NOT NULL,
    CG26_LINGUA         NVARCHAR(4)   NOT NULL,
    CG26_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (CG26_GRUPPO_CG10, CG26_CONTO_CG24, CG26_LINGUA)
)
GO
-- A company's own description of a general-ledger account.
CREATE TABLE CG39_PRSDESPDC (
    CG39_DITTA_CG18     INT           NOT NULL,
    CG39_GRUPPO_CG10    SMALLINT      NOT NULL,
    CG39_CONTO_CG24     NVARCHAR(10)  NOT NULL,
    CG39_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (CG39_DITTA_CG18, CG39_GRUPPO_CG10, CG39_CONTO_CG24)
)
GO
-- A general-ledger account described for a company in a language: the language's text, else the
-- company's own text, else the chart's.
CREATE FUNCTION FNCG_CG24_CONTO (@gruppo SMALLINT, @conto NVARCHAR(10), @ditta INT, @lingua NVARCHAR(4))
RETURNS TABLE AS RETURN (
    SELECT CG24_GRUPPO_CG10,
           CG24_CONTO,
           ISNULL(CG26_DESCR, ISNULL(CG39_DESCR, CG24_DESCR)) AS CG24_DESCR
    FROM CG24_TABPDC
    LEFT OUTER JOIN CG39_PRSDESPDC ON CG39_DITTA_CG18 = @ditta AND CG39_GRUPPO_CG10 = CG24_GRUPPO_CG10
                                  AND CG39_CONTO_CG24 = CG24_CONTO
    LEFT OUTER JOIN CG26_DESCPDCLINGUA ON CG26_GRUPPO_CG10 = CG24_GRUPPO_CG10 AND CG26_CONTO_CG24 = CG24_CONTO
                                      AND CG26_LINGUA = @lingua
    WHERE CG24_GRUPPO_CG10 = @gruppo AND CG24_CONTO = @conto
)
GO
-- Journal entries; an entry linked to a cost-accounting movement has the movement's registration number.
CREATE TABLE CG41_PRIMANOTA (
    CG41_DITTA_CG18     INT           NOT NULL,
    CG41_NUMREG         NVARCHAR(10)  NOT NULL,
    CG41_CODICE_CG33    NVARCHAR(4)   NOT NULL,
    CG41_DATAREG        DATETIME      NOT NULL,
    CG41_DESCR          NVARCHAR(60)  NULL,
    CG41_FLGSTPIVA      BIT           NOT NULL,
    PRIMARY KEY (CG41_DITTA_CG18, CG41_NUMREG)
)
GO
-- Journal entry lines; CG42_FLGSTPGIOR marks a line already printed in the journal.
CREATE TABLE CG42_MOVCONT (
    CG42_DITTA_CG18         INT           NOT NULL,
    CG42_NUMREG_CG41        NVARCHAR(10)  NOT NULL,
    CG42_NUMRIGACONT        INT           NOT NULL,
    CG42_GRUPPO_CG10        SMALLINT      NOT NULL,
    CG42_CONTOPAR_CG24      NVARCHAR(10)  NOT NULL,
    CG42_TIPOCF_CG44        SMALLINT      NULL,
    CG42_CLIFORPAR_CG44     INT           NULL,
    CG42_SEGNO              NVARCHAR(1)   NOT NULL,
    CG42_IMPORTO            DECIMAL(19,4) NOT NULL,
    CG42_FLGSTPGIOR         BIT           NOT NULL,
    PRIMARY KEY (CG42_DITTA_CG18, CG42_NUMREG_CG41, CG42_NUMRIGACONT)
)
GO
-- Document sections (numbering) of a company.
CREATE TABLE CG68_SEZIONIDOC (
    CG68_DITTA_CG18     INT           NOT NULL,
    CG68_SEZDOC         NVARCHAR(2)   NOT NULL,
    CG68_DESCSEZ        NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (CG68_DITTA_CG18, CG68_SEZDOC)
)
GO
CREATE FUNCTION FNCG68_NUMERDESC (@sezdoc NVARCHAR(2), @ditta INT)
RETURNS TABLE AS RETURN (
    SELECT CG68_DITTA_CG18, CG68_SEZDOC, CG68_DESCSEZ
    FROM CG68_SEZIONIDOC
    WHERE CG68_SEZDOC = @sezdoc AND CG68_DITTA_CG18 = @ditta
)
GO
-- Warehouse documents; one linked to a cost-accounting movement carries its registration number.
-- DO11_DOCUM_MG36 is the document type, blank-padded to its fixed length.
CREATE TABLE DO11_DOCTESTATA (
    DO11_DITTA_CG18     INT           NOT NULL,
    DO11_NUMREG_CO99    NVARCHAR(10)  NOT NULL,
    DO11_DOCUM_MG36     CHAR(4)       NOT NULL,
    DO11_NUMDOC         INT           NOT NULL,
    DO11_DATADOC        DATETIME      NOT NULL,
    DO11_TIPOCF_CG44    SMALLINT      NULL,
    DO11_CLIFOR_CG44    INT           NULL,
    PRIMARY KEY (DO11_DITTA_CG18, DO11_NUMREG_CO99)
)
GO
-- Warehouse document lines: the article, the warehouse, the quantity at its price and the line's amount.
CREATE TABLE DO30_DOCCORPO (
    DO30_DITTA_CG18     INT           NOT NULL,
    DO30_NUMREG_CO99    NVARCHAR(10)  NOT NULL,
    DO30_PROGRIGA       INT           NOT NULL,
    DO30_CODART_MG66    NVARCHAR(20)  NULL,
    DO30_DEP_MG58       NVARCHAR(2)   NULL,
    DO30_QTA            DECIMAL(18,6) NOT NULL,
    DO30_PREZZO         DECIMAL(18,4) NOT NULL,
    DO30_IMPORTO        DECIMAL(19,4) NOT NULL,
    PRIMARY KEY (DO30_DITTA_CG18, DO30_NUMREG_CO99, DO30_PROGRIGA)
)
GO

---------------------------------------------------------------------------------------------------------
-- Cost accounting: charts, natures, causals, movement types
---------------------------------------------------------------------------------------------------------

-- Charts of accounts: PC01_INDTIPOPDC 0 cost centres, 1 expense items.
CREATE TABLE PC01_PIANIDEICONTI (
    PC01_CODICE         SMALLINT      NOT NULL,
    PC01_DESCR          NVARCHAR(40)  NOT NULL,
    PC01_INDTIPOPDC     SMALLINT      NOT NULL,
    PC01_NUMLIVELLI     SMALLINT      NOT NULL,
    PRIMARY KEY (PC01_CODICE)
)
GO
-- Segments of a chart's account codes, one row per level: the code of level k is the first k segments.
CREATE TABLE PC02_CONFIGPDC (
    PC02_CODICE_PC01    SMALLINT      NOT NULL,
    PC02_PROG           SMALLINT      NOT NULL,
    PC02_DESCR          NVARCHAR(30)  NOT NULL,
    PC02_DIMENSIONE     SMALLINT      NOT NULL,
    PC02_INDNATURA      SMALLINT      NOT NULL,
    PRIMARY KEY (PC02_CODICE_PC01, PC02_PROG)
)
GO
-- Accounts of a chart: the level codes (PC03_LIVELLO below the chart's depth) and the analytic accounts
-- (PC03_FLGANALITICO 1), which carry the codes of their ancestors in PC03_LIVELLO1..4 and, for expense
-- items, their nature.
CREATE TABLE PC03_ANAGPDC (
    PC03_DITTA_CG18     INT           NOT NULL,
    PC03_CODICE_PC01    SMALLINT      NOT NULL,
    PC03_CONTO          NVARCHAR(15)  NOT NULL,
    PC03_DESCR          NVARCHAR(60)  NOT NULL,
    PC03_LIVELLO        SMALLINT      NOT NULL,
    PC03_FLGANALITICO   BIT           NOT NULL,
    PC03_LIVELLO1       NVARCHAR(15)  NULL,
    PC03_LIVELLO2       NVARCHAR(15)  NULL,
    PC03_LIVELLO3       NVARCHAR(15)  NULL,
    PC03_LIVELLO4       NVARCHAR(15)  NULL,
    PC03_NATURA_PC04    SMALLINT      NULL,
    PRIMARY KEY (PC03_DITTA_CG18, PC03_CODICE_PC01, PC03_CONTO)
)
GO
-- An account of a chart; a NULL level means any level.
CREATE FUNCTION FNPC03_ANAGPDC_COAN (@pdc SMALLINT, @conto NVARCHAR(15), @ditta INT, @livello SMALLINT)
RETURNS TABLE AS RETURN (
    SELECT PC03_DITTA_CG18, PC03_CODICE_PC01, PC03_CONTO, PC03_DESCR, PC03_LIVELLO, PC03_FLGANALITICO,
           PC03_LIVELLO1, PC03_LIVELLO2, PC03_LIVELLO3, PC03_LIVELLO4, PC03_NATURA_PC04
    FROM PC03_ANAGPDC
    WHERE PC03_CODICE_PC01 = @pdc AND PC03_CONTO = @conto AND PC03_DITTA_CG18 = @ditta
      AND (@livello IS NULL OR PC03_LIVELLO = @livello)
)
GO
-- Natures of expense items. PC04_INDCOSTORIC decides the side of a line: 1 cost (debit), 2 revenue and
-- 0 adjustment (credit); in financial cost accounting 4 outflow (debit) and 3 inflow (credit).
CREATE TABLE PC04_NATURECOSTI (
    PC04_DITTA_CG18     INT           NOT NULL,
    PC04_CODICE         SMALLINT      NOT NULL,
    PC04_DESCR          NVARCHAR(40)  NOT NULL,
    PC04_INDCOSTORIC    SMALLINT      NOT NULL,
    PRIMARY KEY (PC04_DITTA_CG18, PC04_CODICE)
)
GO
CREATE FUNCTION FNPC04_NATURECOSTI (@natura SMALLINT, @ditta INT)
RETURNS TABLE AS RETURN (
    SELECT PC04_DITTA_CG18, PC04_CODICE, PC04_DESCR, PC04_INDCOSTORIC
    FROM PC04_NATURECOSTI
    WHERE PC04_CODICE = @natura AND PC04_DITTA_CG18 = @ditta
)
GO
-- Movement reasons; CI03_INDOPERAZIONE 0 actual, 1 budget.
CREATE TABLE CI03_CAUSALI (
    CI03_DITTA_CG18     INT           NOT NULL,
    CI03_CODICE         NVARCHAR(4)   NOT NULL,
    CI03_DESCR          NVARCHAR(40)  NOT NULL,
    CI03_INDOPERAZIONE  SMALLINT      NOT NULL,
    PRIMARY KEY (CI03_DITTA_CG18, CI03_CODICE)
)
GO
CREATE FUNCTION FNCI03_CAUSALI (@causale NVARCHAR(4), @ditta INT)
RETURNS TABLE AS RETURN (
    SELECT CI03_DITTA_CG18, CI03_CODICE, CI03_DESCR, CI03_INDOPERAZIONE
    FROM CI03_CAUSALI
    WHERE CI03_CODICE = @causale AND CI03_DITTA_CG18 = @ditta
)
GO
-- Values of the ten free analytic entities of the movement lines.
CREATE TABLE CI02_ENTITA (
    CI02_DITTA_CG18     INT           NOT NULL,
    CI02_NUMENTITA      SMALLINT      NOT NULL,
    CI02_CODICE         NVARCHAR(15)  NOT NULL,
    CI02_DESCR          NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (CI02_DITTA_CG18, CI02_NUMENTITA, CI02_CODICE)
)
GO
-- Movement types, shared by the whole group; CGT0_INDTIPO is the kind the type selector filters on, the
-- validity dates the range in which a type is offered.
CREATE TABLE CGT0_TIPOMOV (
    CGT0_CODICE             INT           NOT NULL,
    CGT0_DESCR              NVARCHAR(60)  NOT NULL,
    CGT0_DESCRMEDIA         NVARCHAR(30)  NOT NULL,
    CGT0_DESCRBREVE         NVARCHAR(10)  NOT NULL,
    CGT0_INDTIPO            SMALLINT      NOT NULL,
    CGT0_DATAINIZIOVALIDITA DATETIME      NULL,
    CGT0_DATAFINEVALIDITA   DATETIME      NULL,
    PRIMARY KEY (CGT0_CODICE)
)
GO
-- A movement type as a company sees it; the types are common to the group, so the company argument only
-- keeps the signature of the company functions.
CREATE FUNCTION FNCGT0_TIPOMOV (@codice INT, @ditta INT)
RETURNS TABLE AS RETURN (
    SELECT CGT0_CODICE, CGT0_DESCR, CGT0_DESCRMEDIA, CGT0_DESCRBREVE, CGT0_INDTIPO
    FROM CGT0_TIPOMOV
    WHERE CGT0_CODICE = @codice
)
GO

---------------------------------------------------------------------------------------------------------
-- Projects, job orders and personnel
---------------------------------------------------------------------------------------------------------

CREATE TABLE PD1D_TIPIPROGETTO (
    PD1D_DITTA_CG18 INT NOT NULL, PD1D_CODICE NVARCHAR(10) NOT NULL, PD1D_DESCR NVARCHAR(40) NOT NULL,
    PRIMARY KEY (PD1D_DITTA_CG18, PD1D_CODICE)
)
GO
CREATE TABLE PD1E_STATIPROGETTO (
    PD1E_DITTA_CG18 INT NOT NULL, PD1E_CODICE NVARCHAR(10) NOT NULL, PD1E_DESCR NVARCHAR(40) NOT NULL,
    PRIMARY KEY (PD1E_DITTA_CG18, PD1E_CODICE)
)
GO
CREATE TABLE PD1F_CLASSEAPROG (
    PD1F_DITTA_CG18 INT NOT NULL, PD1F_CODICE NVARCHAR(10) NOT NULL, PD1F_DESCR NVARCHAR(40) NOT NULL,
    PRIMARY KEY (PD1F_DITTA_CG18, PD1F_CODICE)
)
GO
CREATE TABLE PD1G_CLASSEBPROG (
    PD1G_DITTA_CG18 INT NOT NULL, PD1G_CODICE NVARCHAR(10) NOT NULL, PD1G_DESCR NVARCHAR(40) NOT NULL,
    PRIMARY KEY (PD1G_DITTA_CG18, PD1G_CODICE)
)
GO
CREATE TABLE PD1H_CLASSECPROG (
    PD1H_DITTA_CG18 INT NOT NULL, PD1H_CODICE NVARCHAR(10) NOT NULL, PD1H_DESCR NVARCHAR(40) NOT NULL,
    PRIMARY KEY (PD1H_DITTA_CG18, PD1H_CODICE)
)
GO
-- The project classifications as the extraction sees them.
CREATE VIEW VPD1D_TIPIPROGETTI AS SELECT PD1D_DITTA_CG18, PD1D_CODICE, PD1D_DESCR FROM PD1D_TIPIPROGETTO
GO
CREATE VIEW VPD1E_STATIPROGETTI AS SELECT PD1E_DITTA_CG18, PD1E_CODICE, PD1E_DESCR FROM PD1E_STATIPROGETTO
GO
CREATE VIEW VPD1F_CLASSEAPROG AS SELECT PD1F_DITTA_CG18, PD1F_CODICE, PD1F_DESCR FROM PD1F_CLASSEAPROG
GO
CREATE VIEW VPD1G_CLASSEBPROG AS SELECT PD1G_DITTA_CG18, PD1G_CODICE, PD1G_DESCR FROM PD1G_CLASSEBPROG
GO
CREATE VIEW VPD1H_CLASSECPROG AS SELECT PD1H_DITTA_CG18, PD1H_CODICE, PD1H_DESCR FROM PD1H_CLASSECPROG
GO
-- The same classifications as the printed ledger sees them.
CREATE VIEW VCI16_TIPIPROGETTO AS SELECT PD1D_DITTA_CG18, PD1D_CODICE, PD1D_DESCR FROM PD1D_TIPIPROGETTO
GO
CREATE VIEW VCI21_STATOPROGETTO AS SELECT PD1E_DITTA_CG18, PD1E_CODICE, PD1E_DESCR FROM PD1E_STATIPROGETTO
GO
CREATE VIEW VCI18_CLASSEA AS SELECT PD1F_DITTA_CG18, PD1F_CODICE, PD1F_DESCR FROM PD1F_CLASSEAPROG
GO
CREATE VIEW VCI19_CLASSEB AS SELECT PD1G_DITTA_CG18, PD1G_CODICE, PD1G_DESCR FROM PD1G_CLASSEBPROG
GO
CREATE VIEW VCI20_CLASSEC AS SELECT PD1H_DITTA_CG18, PD1H_CODICE, PD1H_DESCR FROM PD1H_CLASSECPROG
GO
CREATE TABLE PD68_PROGETTI (
    PD68_DITTA_CG18     INT           NOT NULL,
    PD68_CODPROG        NVARCHAR(25)  NOT NULL,
    PD68_DESCRPROG      NVARCHAR(60)  NOT NULL,
    PD68_TIPO_PD1D      NVARCHAR(10)  NULL,
    PD68_STATO_PD1E     NVARCHAR(10)  NULL,
    PD68_DATAINIZIOPROG DATETIME      NULL,
    PD68_DATACHIUPROG   DATETIME      NULL,
    PD68_CLASSEA_PD1F   NVARCHAR(10)  NULL,
    PD68_CLASSEB_PD1G   NVARCHAR(10)  NULL,
    PD68_CLASSEC_PD1H   NVARCHAR(10)  NULL,
    PRIMARY KEY (PD68_DITTA_CG18, PD68_CODPROG)
)
GO
CREATE TABLE PD69_SOTTOPROGETTI (
    PD69_DITTA_CG18     INT           NOT NULL,
    PD69_CODPROG_PD68   NVARCHAR(25)  NOT NULL,
    PD69_SOTPROG        INT           NOT NULL,
    PD69_DESCRSOTPROG   NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (PD69_DITTA_CG18, PD69_CODPROG_PD68, PD69_SOTPROG)
)
GO
-- Job orders: PD25_CODSOTCOMM 0 is the job order itself, above 0 its sub-orders.
CREATE TABLE PD25_COMMESSA (
    PD25_DITTA_CG18     INT           NOT NULL,
    PD25_CODCOMMESSA    NVARCHAR(25)  NOT NULL,
    PD25_CODSOTCOMM     INT           NOT NULL,
    PD25_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (PD25_DITTA_CG18, PD25_CODCOMMESSA, PD25_CODSOTCOMM)
)
GO
CREATE TABLE PD04_QUALIFICHE (
    PD04_DITTA_CG18     INT           NOT NULL,
    PD04_CODQUAL        NVARCHAR(5)   NOT NULL,
    PD04_DESCR          NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (PD04_DITTA_CG18, PD04_CODQUAL)
)
GO
CREATE TABLE PD07_REPARTI (
    PD07_DITTA_CG18     INT           NOT NULL,
    PD07_CODREP         NVARCHAR(5)   NOT NULL,
    PD07_DESCR          NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (PD07_DITTA_CG18, PD07_CODREP)
)
GO
CREATE VIEW VPD07_REPARTO AS SELECT PD07_DITTA_CG18, PD07_CODREP, PD07_DESCR FROM PD07_REPARTI
GO
CREATE TABLE PD06_DIPENDENTI (
    PD06_DITTA_CG18         INT           NOT NULL,
    PD06_CODDIP             NVARCHAR(5)   NOT NULL,
    PD06_COGNOME            NVARCHAR(40)  NOT NULL,
    PD06_NOME               NVARCHAR(40)  NULL,
    PD06_QUALIFICA_PD04     NVARCHAR(5)   NULL,
    PD06_REPARTO_PD07       NVARCHAR(5)   NULL,
    PRIMARY KEY (PD06_DITTA_CG18, PD06_CODDIP)
)
GO
-- Nodes of a project's structure.
CREATE TABLE PD0C_NODI (
    PD0C_DITTA_CG18     INT           NOT NULL,
    PD0C_CODPROG_PD68   NVARCHAR(25)  NOT NULL,
    PD0C_CODNODO        NVARCHAR(25)  NOT NULL,
    PD0C_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (PD0C_DITTA_CG18, PD0C_CODPROG_PD68, PD0C_CODNODO)
)
GO
CREATE VIEW VPD0C_NODO AS SELECT PD0C_DITTA_CG18, PD0C_CODPROG_PD68, PD0C_CODNODO, PD0C_DESCR FROM PD0C_NODI
GO
CREATE TABLE PD0D_ATTIVITAPROG (
    PD0D_DITTA_CG18     INT           NOT NULL,
    PD0D_CODPROG_PD68   NVARCHAR(25)  NOT NULL,
    PD0D_CODATTIVITA    NVARCHAR(25)  NOT NULL,
    PD0D_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (PD0D_DITTA_CG18, PD0D_CODPROG_PD68, PD0D_CODATTIVITA)
)
GO
CREATE VIEW VPD0D_ATTIVITA AS
SELECT PD0D_DITTA_CG18, PD0D_CODPROG_PD68, PD0D_CODATTIVITA, PD0D_DESCR FROM PD0D_ATTIVITAPROG
GO
-- Accessory expenses booked on a project.
CREATE TABLE PD64_SPESEPROGETTO (
    PD64_DITTA_CG18     INT           NOT NULL,
    PD64_CODPROG_PD68   NVARCHAR(25)  NOT NULL,
    PD64_CODICESPESA    NVARCHAR(25)  NOT NULL,
    PD64_DESCR          NVARCHAR(60)  NOT NULL,
    PRIMARY KEY (PD64_DITTA_CG18, PD64_CODPROG_PD68, PD64_CODICESPESA)
)
GO
CREATE VIEW VPD64_SPESEACCESSORIE AS
SELECT PD64_DITTA_CG18, PD64_CODPROG_PD68, PD64_CODICESPESA, PD64_DESCR FROM PD64_SPESEPROGETTO
GO
-- Production lines, named in the printed ledger's descriptions.
CREATE TABLE PD01_LINEE (
    PD01_DITTA_CG18     INT           NOT NULL,
    PD01_LINEA          NVARCHAR(5)   NOT NULL,
    PD01_DESCR          NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (PD01_DITTA_CG18, PD01_LINEA)
)
GO

---------------------------------------------------------------------------------------------------------
-- Warehouse and the unit-price-list vertical module
---------------------------------------------------------------------------------------------------------

CREATE TABLE MG58_DEPOSITI (
    MG58_DITTA_CG18     INT           NOT NULL,
    MG58_CODDEP         NVARCHAR(2)   NOT NULL,
    MG58_DESCRDEP       NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (MG58_DITTA_CG18, MG58_CODDEP)
)
GO
-- Descriptions of articles: the base one has neither variant nor language (NULL or empty), then one per
-- variant and per language.
CREATE TABLE MG87_ARTDESC (
    MG87_DITTA_CG18     INT           NOT NULL,
    MG87_CODART_MG66    NVARCHAR(20)  NOT NULL,
    MG87_OPZIONE_MG5E   NVARCHAR(15)  NULL,
    MG87_LINGUA_MG52    NVARCHAR(4)   NULL,
    MG87_DESCART        NVARCHAR(80)  NOT NULL
)
GO
CREATE INDEX IX_MG87_ARTICOLO ON MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66)
GO
-- Warehouse operators, named in the printed ledger's descriptions.
CREATE TABLE MG01_OPERATORI (
    MG01_DITTA_CG18     INT           NOT NULL,
    MG01_CODICE         NVARCHAR(4)   NOT NULL,
    MG01_DESCR          NVARCHAR(40)  NOT NULL,
    PRIMARY KEY (MG01_DITTA_CG18, MG01_CODICE)
)
GO
-- Unit-price-list entries of a project; VC02_FLGATTREZZATURA marks equipment.
CREATE TABLE VC02_ARTICOLIEPU (
    VC02_DITTA_CG18         INT           NOT NULL,
    VC02_IDEPU              INT           NOT NULL,
    VC02_CODPROG_PD68       NVARCHAR(25)  NOT NULL,
    VC02_CODEPU             NVARCHAR(40)  NOT NULL,
    VC02_DESCR              NVARCHAR(80)  NOT NULL,
    VC02_PREZZO             DECIMAL(19,4) NULL,
    VC02_FLGATTREZZATURA    BIT           NOT NULL,
    PRIMARY KEY (VC02_DITTA_CG18, VC02_IDEPU)
)
GO
CREATE VIEW VVC02_ARTICOLIEPU AS
SELECT VC02_DITTA_CG18, VC02_CODPROG_PD68, VC02_IDEPU, VC02_CODEPU, VC02_DESCR, VC02_PREZZO
FROM VC02_ARTICOLIEPU
WHERE VC02_FLGATTREZZATURA = 0
GO
CREATE VIEW VVC25_ATTREZZATURE AS
SELECT VC02_DITTA_CG18, VC02_IDEPU AS VC25_IDEPU_VC02, VC02_CODPROG_PD68, VC02_CODEPU, VC02_DESCR
FROM VC02_ARTICOLIEPU
WHERE VC02_FLGATTREZZATURA = 1
GO

---------------------------------------------------------------------------------------------------------
-- Cost-accounting movements
---------------------------------------------------------------------------------------------------------

-- Movement headers. CI12_INDPROVENIENZA is where the movement came from: 0 entered by hand, 1 imported,
-- 2 and 3 the general ledger, 4 and 5 warehouse and sales documents, 6 cost allocation.
CREATE TABLE CI12_MOVTESTATA (
    CI12_DITTA_CG18             INT           NOT NULL,
    CI12_NUMREG_CO99            NVARCHAR(10)  NOT NULL,
    CI12_DATAREG                DATETIME      NOT NULL,
    CI12_CODCAUS_CI03           NVARCHAR(4)   NOT NULL,
    CI12_DESCRCAUS              NVARCHAR(40)  NULL,
    CI12_DESCRAGG               NVARCHAR(80)  NULL,
    CI12_TIPODOC                SMALLINT      NULL,
    CI12_NUMDOC                 INT           NULL,
    CI12_SEZDOC                 NVARCHAR(2)   NOT NULL,
    CI12_FLGDOCBIS              BIT           NOT NULL,
    CI12_NUMDOCORIG             NVARCHAR(15)  NULL,
    CI12_DATADOC                DATETIME      NULL,
    CI12_DITTACF_CG44           INT           NULL,
    CI12_TIPOCF_CG44            SMALLINT      NULL,
    CI12_CLIFOR_CG44            INT           NULL,
    CI12_TOTDOCUMENTO           DECIMAL(19,4) NULL,
    CI12_NREGPADRE_CO99         NVARCHAR(10)  NULL,
    CI12_NREGFIGLIA_CO99        NVARCHAR(10)  NULL,
    CI12_INDTIPOMOV             INT           NOT NULL,
    CI12_OPERATORE_MG01         NVARCHAR(4)   NULL,
    CI12_DADATACOMP             DATETIME      NULL,
    CI12_ADATACOMP              DATETIME      NULL,
    CI12_PROGETTO_PD68          NVARCHAR(25)  NULL,
    CI12_SPROGETTO_PD69         INT           NULL,
    CI12_COMMESSA_PD25          NVARCHAR(25)  NULL,
    CI12_SCOMMESSA_PD25         INT           NULL,
    CI12_FASE_PD12              NVARCHAR(10)  NULL,
    CI12_REPARTO_PD07           NVARCHAR(5)   NULL,
    CI12_MACCHINA_PD08          NVARCHAR(10)  NULL,
    CI12_DIPENDENTE_PD06        NVARCHAR(5)   NULL,
    CI12_QUALIFICA_PD04         NVARCHAR(5)   NULL,
    CI12_DEP_MG58               NVARCHAR(2)   NULL,
    CI12_DEPCOL_MG58            NVARCHAR(2)   NULL,
    CI12_LOTTO                  NVARCHAR(20)  NULL,
    CI12_LINEA_PD01             NVARCHAR(5)   NULL,
    CI12_NUMRIFPROD_PD44        INT           NULL,
    CI12_FLGMOVVAR              BIT           NOT NULL,
    CI12_NUMREGORDLAV_CO99      NVARCHAR(10)  NULL,
    CI12_PROGRIGAORDLAV_DO30    INT           NULL,
    CI12_TIPOREGORDLAV          SMALLINT      NULL,
    CI12_NUMREGRIF_CO99         NVARCHAR(10)  NULL,
    CI12_DOCPROGETTO_CO99       NVARCHAR(10)  NULL,
    CI12_INDPROVENIENZA         SMALLINT      NOT NULL,
    CI12_NUMREGPROVV_CO99       NVARCHAR(10)  NULL,
    CI12_SEDE_CG31              INT           NULL,
    CI12_GUID                   UNIQUEIDENTIFIER NOT NULL,
    PRIMARY KEY (CI12_DITTA_CG18, CI12_NUMREG_CO99)
)
GO
CREATE INDEX IX_CI12_DATAREG ON CI12_MOVTESTATA (CI12_DITTA_CG18, CI12_DATAREG)
GO
-- Movement lines. Only lines with CI13_SEGNO 0 count in the ledger; CI13_RIGACONT_CG42 is the line of
-- the linked journal entry; CI13_INDMODRILEVAZIONE 1 marks a line detected by allocation keys.
CREATE TABLE CI13_MOVCORPO (
    CI13_DITTA_CG18             INT           NOT NULL,
    CI13_NUMREG_CO99            NVARCHAR(10)  NOT NULL,
    CI13_PROGRIGA               INT           NOT NULL,
    CI13_PROGRIGACP             INT           NULL,
    CI13_CODPDC_PC01            SMALLINT      NOT NULL,
    CI13_CONTO_PC03             NVARCHAR(15)  NOT NULL,
    CI13_CODVDS_PC01            SMALLINT      NOT NULL,
    CI13_VDS_PC03               NVARCHAR(15)  NOT NULL,
    CI13_RIGACONT_CG42          INT           NULL,
    CI13_SEGNO                  SMALLINT      NOT NULL,
    CI13_DESCRAGG               NVARCHAR(80)  NULL,
    CI13_DADATACOMP             DATETIME      NULL,
    CI13_ADATACOMP              DATETIME      NULL,
    CI13_CODICE_CGC0            NVARCHAR(4)   NULL,
    CI13_PROGETTO_PD68          NVARCHAR(25)  NULL,
    CI13_SPROGETTO_PD69         INT           NULL,
    CI13_COMMESSA_PD25          NVARCHAR(25)  NULL,
    CI13_SCOMMESSA_PD25         INT           NULL,
    CI13_DIPENDENTE_PD06        NVARCHAR(5)   NULL,
    CI13_QUALIFICA_PD04         NVARCHAR(5)   NULL,
    CI13_REPARTO_PD07           NVARCHAR(5)   NULL,
    CI13_NODO_PD0C              NVARCHAR(25)  NULL,
    CI13_NODORIF_PD0C           NVARCHAR(25)  NULL,
    CI13_ATTIVITA_PD0D          NVARCHAR(25)  NULL,
    CI13_SPESAGEN_PD59          NVARCHAR(25)  NULL,
    CI13_FASE_PD12              NVARCHAR(10)  NULL,
    CI13_MACCHINA_PD08          NVARCHAR(10)  NULL,
    CI13_DEP_MG58               NVARCHAR(2)   NULL,
    CI13_DEPCOL_MG58            NVARCHAR(2)   NULL,
    CI13_LOTTO                  NVARCHAR(20)  NULL,
    CI13_LINEA_PD01             NVARCHAR(5)   NULL,
    CI13_NUMRIFPROD_PD44        INT           NULL,
    CI13_CODART_MG66            NVARCHAR(20)  NULL,
    CI13_OPZIONE_MG5E           NVARCHAR(15)  NULL,
    CI13_QTA                    DECIMAL(18,6) NULL,
    CI13_COSTOUNIT              DECIMAL(18,6) NULL,
    CI13_IMPORTO                DECIMAL(19,4) NULL,
    CI13_QTALAV                 DECIMAL(18,6) NULL,
    CI13_TOTORE                 DECIMAL(18,4) NULL,
    CI13_COSTOORACDC            DECIMAL(18,6) NULL,
    CI13_COSTOORAVDS            DECIMAL(18,6) NULL,
    CI13_FLGMOVAGG              BIT           NOT NULL,
    CI13_FLGPRIMOVQTALAV        BIT           NOT NULL,
    CI13_PESO                   DECIMAL(18,4) NULL,
    CI13_VOLUME                 DECIMAL(18,4) NULL,
    CI13_INDMODRILEVAZIONE      SMALLINT      NOT NULL,
    CI13_FLGREGSTORNO           BIT           NOT NULL,
    CI13_SEDE_CG31              INT           NULL,
    CI13_ENTITA1                NVARCHAR(15)  NULL,
    CI13_ENTITA2                NVARCHAR(15)  NULL,
    CI13_ENTITA3                NVARCHAR(15)  NULL,
    CI13_ENTITA4                NVARCHAR(15)  NULL,
    CI13_ENTITA5                NVARCHAR(15)  NULL,
    CI13_ENTITA6                NVARCHAR(15)  NULL,
    CI13_ENTITA7                NVARCHAR(15)  NULL,
    CI13_ENTITA8                NVARCHAR(15)  NULL,
    CI13_ENTITA9                NVARCHAR(15)  NULL,
    CI13_ENTITA10               NVARCHAR(15)  NULL,
    CI13_IDEPU_VC02             INT           NULL,
    CI13_IDATTREZ_VC02          INT           NULL,
    CI13_GUID                   UNIQUEIDENTIFIER NOT NULL,
    PRIMARY KEY (CI13_DITTA_CG18, CI13_NUMREG_CO99, CI13_PROGRIGA)
)
GO
-- Cost-allocation trace: the origin line was allocated, in part, to the destination line.
CREATE TABLE CI5C_TRACCIARIB (
    CI5C_DITTA_CG18         INT           NOT NULL,
    CI5C_NUMREGORI_CO99     NVARCHAR(10)  NOT NULL,
    CI5C_PROGRIGAORI_CI13   INT           NOT NULL,
    CI5C_NUMREGDES_CO99     NVARCHAR(10)  NOT NULL,
    CI5C_PROGRIGADES_CI13   INT           NOT NULL,
    CI5C_PERCENTUALE        DECIMAL(9,4)  NOT NULL,
    PRIMARY KEY (CI5C_DITTA_CG18, CI5C_NUMREGORI_CO99, CI5C_PROGRIGAORI_CI13, CI5C_NUMREGDES_CO99,
                 CI5C_PROGRIGADES_CI13)
)
GO
CREATE INDEX IX_CI5C_DESTINAZIONE ON CI5C_TRACCIARIB (CI5C_DITTA_CG18, CI5C_NUMREGDES_CO99, CI5C_PROGRIGADES_CI13)
GO

---------------------------------------------------------------------------------------------------------
-- User-defined attributes
---------------------------------------------------------------------------------------------------------

-- Attributes a company defines for an entity (29 movement headers, 30 movement lines); CO5K_TIPO 1 number,
-- 2 text, 3 date, 4 yes/no. The name is the column of CO5L_ATTRIBUTIDEN that holds the values.
CREATE TABLE CO5K_ATTRIBUTIDEF (
    CO5K_DITTA_CG18     INT           NOT NULL,
    CO5K_ENTITA         INT           NOT NULL,
    CO5K_NOMEATTRIBUTO  NVARCHAR(30)  NOT NULL,
    CO5K_TIPO           SMALLINT      NOT NULL,
    CO5K_DESCR          NVARCHAR(60)  NOT NULL,
    CO5K_ORDINE         SMALLINT      NOT NULL,
    PRIMARY KEY (CO5K_DITTA_CG18, CO5K_ENTITA, CO5K_NOMEATTRIBUTO)
)
GO
-- Attribute values of one header or line, keyed by its GUID; one column per defined attribute name.
CREATE TABLE CO5L_ATTRIBUTIDEN (
    CO5L_GUID           UNIQUEIDENTIFIER NOT NULL,
    CO5L_ENTITA         INT           NOT NULL,
    RIFCONTRATTO        NVARCHAR(30)  NULL,
    PRIORITA            DECIMAL(18,4) NULL,
    DATACONSEGNA        DATETIME      NULL,
    URGENTE             BIT           NULL,
    NOTATECNICA         NVARCHAR(60)  NULL,
    PERCRICARICO        DECIMAL(18,4) NULL,
    DATACOLLAUDO        DATETIME      NULL,
    VERIFICATA          BIT           NULL,
    PRIMARY KEY (CO5L_GUID)
)
GO
