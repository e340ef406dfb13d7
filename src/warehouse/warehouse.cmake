# sources of src/warehouse are listed here
