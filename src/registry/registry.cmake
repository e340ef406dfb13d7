# sources of src/registry are listed here
